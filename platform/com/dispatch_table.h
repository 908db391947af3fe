#pragma once

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/com/com_error.h"
#include "platform/com/text_case.h"
#include "platform/com/variant.h"

namespace quenmoor::com {

// Late binding over a typed interface I. Each member of the table binds a name to a member
// function of I, or to a function whose first parameter is I& (for members an object
// answers from a table of its own rather than from virtual functions); arguments arrive as Variants
// and are converted to the function's parameter types, and its result is converted back. Names are
// resolved once, without regard to case, because script engines and hosts change letter case
// freely.
//
//     static const DispatchTable<IDimension> table{
//         DispatchTable<IDimension>::get<&IDimension::Name>("Name"),
//         DispatchTable<IDimension>::put<&IDimension::SetName>("Name"),
//     };
template <class I>
class DispatchTable final : public ITypeInfo {
public:
    // Calls the member and puts its result, if one is wanted, in place of *result.
    using Call = void (*)(I&, std::span<Variant>, Variant* result);

    struct Member {
        std::string name;
        std::uint16_t kind;
        std::size_t arity;
        Call call;
    };

    template <auto Function>
    static Member method(std::string name) {
        return bind<Function>(std::move(name), InvokeMethod);
    }
    template <auto Function>
    static Member get(std::string name) {
        return bind<Function>(std::move(name), InvokePropertyGet);
    }
    template <auto Function>
    static Member put(std::string name) {
        return bind<Function>(std::move(name), InvokePropertyPut);
    }

    DispatchTable(std::initializer_list<Member> members)
        : DispatchTable(std::span<const Member>(members.begin(), members.size())) {}

    explicit DispatchTable(std::span<const Member> members) {
        for (const Member& member : members) {
            DispId id = find(member.name);
            if (id == 0) {
                names_.push_back(member.name);
                lowerNames_.push_back(toLowerAscii(member.name));
                slots_.emplace_back();
                id = static_cast<DispId>(names_.size());
            }
            Slot& slot = slots_[static_cast<std::size_t>(id - 1)];
            (member.kind == InvokePropertyPut ? slot.put : slot.get) = member;
        }
    }

    HRESULT GetIDsOfNames(std::string_view name, DispId* id) const override {
        if (id == nullptr) {
            return E_POINTER;
        }
        const DispId found = find(name);
        if (found == 0) {
            setErrorInfo("unknown name \"" + std::string(name) + "\"");
            return DISP_E_UNKNOWNNAME;
        }
        *id = found;
        return S_OK;
    }

    HRESULT invoke(I& target, DispId id, std::uint16_t kind, std::span<Variant> arguments,
                   Variant* result) const noexcept {
        return boundary([&] {
            if (id < 1 || static_cast<std::size_t>(id) > slots_.size()) {
                throw ComError(DISP_E_MEMBERNOTFOUND, "no member with id " + std::to_string(id));
            }
            const Slot& slot = slots_[static_cast<std::size_t>(id - 1)];
            const std::string& name = names_[static_cast<std::size_t>(id - 1)];
            const Member* member = nullptr;
            if ((kind & InvokePropertyPut) != 0) {
                member = slot.put ? &*slot.put : nullptr;
            } else if (slot.get && (kind & slot.get->kind) != 0) {
                member = &*slot.get;
            } else if (slot.get && (kind & (InvokeMethod | InvokePropertyGet)) != 0) {
                member = &*slot.get;
            }
            if (member == nullptr) {
                throw ComError(DISP_E_MEMBERNOTFOUND, name + ": cannot be invoked that way (kind " +
                                                          std::to_string(kind) + ")");
            }
            if (arguments.size() != member->arity) {
                throw ComError(DISP_E_BADPARAMCOUNT,
                               name + ": takes " + std::to_string(member->arity) +
                                   " argument(s), got " + std::to_string(arguments.size()));
            }
            member->call(target, arguments, result);
        });
    }

    // The names in the order of the table, each once, as the table spells them.
    const std::vector<std::string>& names() const { return names_; }

private:
    // The id of name, or 0. Tables hold a few dozen names at most: a scan that compares
    // lengths first, then letters without regard to case, beats hashing.
    DispId find(std::string_view name) const {
        for (std::size_t i = 0; i < lowerNames_.size(); ++i) {
            const std::string& lower = lowerNames_[i];
            if (lower.size() != name.size()) {
                continue;
            }
            std::size_t at = 0;
            while (at < name.size() && lowerAscii(name[at]) == lower[at]) {
                ++at;
            }
            if (at == name.size()) {
                return static_cast<DispId>(i + 1);
            }
        }
        return 0;
    }

    struct Slot {
        std::optional<Member> get;  // a method or a property get
        std::optional<Member> put;
    };

    template <class T>
    struct Signature;
    template <class R, class C, class... A>
    struct Signature<R (C::*)(A...)> {
        using Result = R;
        using Arguments = std::tuple<std::remove_cvref_t<A>...>;
    };
    template <class R, class C, class... A>
    struct Signature<R (C::*)(A...) const> : Signature<R (C::*)(A...)> {};
    template <class R, class... A>
    struct Signature<R (*)(I&, A...)> : Signature<R (I::*)(A...)> {};

    template <auto Function>
    static Member bind(std::string name, std::uint16_t kind) {
        using S = Signature<decltype(Function)>;
        using Arguments = typename S::Arguments;
        constexpr std::size_t arity = std::tuple_size_v<Arguments>;
        Call call = [](I& target, std::span<Variant> arguments, Variant* result) {
            [&]<std::size_t... Index>(std::index_sequence<Index...>) {
                Arguments converted{
                    fromVariant<std::tuple_element_t<Index, Arguments>>(arguments[Index])...};
                const auto invoke = [&] {
                    return std::invoke(Function, target, std::get<Index>(converted)...);
                };
                if constexpr (std::is_void_v<typename S::Result>) {
                    invoke();
                    if (result != nullptr) {
                        *result = Variant();
                    }
                } else if (result == nullptr) {
                    invoke();
                } else if constexpr (std::is_same_v<typename S::Result, Variant>) {
                    constructResult(result, invoke);
                } else {
                    constructResult(result, [&] { return toVariant(invoke()); });
                }
            }
            (std::make_index_sequence<arity>{});
        };
        return Member{std::move(name), kind, arity, std::move(call)};
    }

    // Builds the result where the caller holds it, without a move: every late-bound call
    // returns a value, and a move of a value just written costs more than the call itself.
    // Should make() throw, *result is left Empty.
    template <class Make>
    static void constructResult(Variant* result, Make&& make) {
        struct EmptyOnThrow {
            Variant* result;
            bool made = false;
            ~EmptyOnThrow() {
                if (!made) {
                    new (result) Variant();
                }
            }
        };
        result->~Variant();
        EmptyOnThrow guard{result};
        new (result) Variant(make());
        guard.made = true;
    }

    template <class T>
    static T fromVariant(const Variant& value) {
        if constexpr (std::is_same_v<T, Variant>) {
            return value;
        } else if constexpr (std::is_same_v<T, bool>) {
            return value.toBool();
        } else if constexpr (std::is_same_v<T, std::int16_t>) {
            return value.toInt16();
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
            return value.toInt32();
        } else if constexpr (std::is_same_v<T, std::int64_t>) {
            return value.toInt64();
        } else if constexpr (std::is_same_v<T, double>) {
            return value.toDouble();
        } else if constexpr (std::is_same_v<T, std::string> ||
                             std::is_same_v<T, std::string_view>) {
            static_assert(std::is_same_v<T, std::string>, "bind text parameters as std::string");
            return value.toText();
        } else if constexpr (std::is_same_v<T, std::vector<double>>) {
            return value.toDoubleArray();
        } else if constexpr (std::is_same_v<T, ComPtr<IDispatch>>) {
            return value.toObject();
        } else {
            // Another interface: the object argument must offer it.
            static_assert(
                requires { T{}.template tryAs<IUnknown>(); }, "unsupported parameter type");
            using Interface = std::remove_cvref_t<decltype(*std::declval<T>())>;
            ComPtr<IDispatch> object = value.toObject();
            return object ? object.template as<Interface>("argument") : T{};
        }
    }

    template <class T>
    static Variant toVariant(T&& value) {
        using U = std::remove_cvref_t<T>;
        if constexpr (std::is_same_v<U, bool>) {
            return Variant::boolean(value);
        } else if constexpr (requires { value.template tryAs<IDispatch>(); }) {
            return Variant(value.template tryAs<IDispatch>());
        } else {
            return Variant(std::forward<T>(value));
        }
    }

    std::vector<std::string> names_;
    std::vector<std::string> lowerNames_;
    std::vector<Slot> slots_;
};

// Implements IDispatch for the dual interface I from the table that I::dispatchTable()
// returns, so every implementation of I is reachable by name alike.
template <class I>
class DualInterface : public I {
public:
    HRESULT GetIDsOfNames(std::string_view name, DispId* id) final {
        return table().GetIDsOfNames(name, id);
    }
    HRESULT Invoke(DispId id, std::uint16_t kind, std::span<Variant> arguments,
                   Variant* result) final {
        return table().invoke(*this, id, kind, arguments, result);
    }
    const ITypeInfo* GetTypeInfo() final { return &table(); }

protected:
    ~DualInterface() = default;

private:
    // Every call goes through the table: it is found once, not asked for on each call.
    static const DispatchTable<I>& table() {
        if (table_ == nullptr) {
            table_ = &I::dispatchTable();
        }
        return *table_;
    }
    static inline const DispatchTable<I>* table_ = nullptr;
};

// Calls a member by name on an object reached through late binding, the way the add-in
// calls `ActiveDoc`, `CustomInfo2`, `Cells` and `Value`. Throws ComError naming the member.
QUENMOOR_EXPORT Variant invokeByName(IDispatch* object, std::string_view name, std::uint16_t kind,
                                     std::span<Variant> arguments);

// The id of the member named `name` of object. Throws ComError naming the member when there
// is none, or no object.
QUENMOOR_EXPORT DispId idOfName(IDispatch* object, std::string_view name);
// Invokes the member of object with id, which idOfName gave for name. Throws ComError
// naming the member.
QUENMOOR_EXPORT Variant invokeById(IDispatch* object, DispId id, std::string_view name,
                                   std::uint16_t kind, std::span<Variant> arguments);

// One member called on many objects, as `Value` on each cell a sheet hands out: its name is
// resolved once for each type of object met (see ITypeInfo), and for every object that
// does not give its type.
class MemberOfEachObject {
public:
    explicit MemberOfEachObject(std::string name) : name_(std::move(name)) {}

    template <class... A>
    Variant operator()(IDispatch* object, A&&... arguments) {
        Variant values[] = {Variant(std::forward<A>(arguments))..., Variant()};
        const ITypeInfo* type = object != nullptr ? object->GetTypeInfo() : nullptr;
        if (type == nullptr || type != type_) {
            id_ = idOfName(object, name_);
            type_ = type;
        }
        return invokeById(object, id_, name_, InvokeMethod | InvokePropertyGet,
                          std::span<Variant>(values, sizeof...(A)));
    }

private:
    std::string name_;
    const ITypeInfo* type_ = nullptr;
    DispId id_ = 0;
};

// One member of one object, called over and over, as a list is read cell by cell: its name
// is resolved at the first call and the id kept. The member holds the object.
class LateBoundMember {
public:
    LateBoundMember(ComPtr<IDispatch> object, std::string name)
        : object_(std::move(object)), member_(std::move(name)) {}

    template <class... A>
    Variant operator()(A&&... arguments) {
        return member_(object_.get(), std::forward<A>(arguments)...);
    }

private:
    ComPtr<IDispatch> object_;
    MemberOfEachObject member_;
};

// The dispatch side of a dual object, for calls by name.
inline ComPtr<IDispatch> lateBound(IDispatch& object) {
    return ComPtr<IDispatch>(&object);
}

template <class... A>
Variant call(const ComPtr<IDispatch>& object, std::string_view name, A&&... arguments) {
    Variant values[] = {Variant(std::forward<A>(arguments))..., Variant()};
    return invokeByName(object.get(), name, InvokeMethod | InvokePropertyGet,
                        std::span<Variant>(values, sizeof...(A)));
}

template <class... A>
void putProperty(const ComPtr<IDispatch>& object, std::string_view name, A&&... arguments) {
    Variant values[] = {Variant(std::forward<A>(arguments))...};
    invokeByName(object.get(), name, InvokePropertyPut, std::span<Variant>(values, sizeof...(A)));
}

}  // namespace quenmoor::com

// Defines Interface::dispatchTable() over the members that follow, written with T standing
// for DispatchTable<Interface>: one definition per interface, in its contract's source.
// clang-format off
#define QUENMOOR_DISPATCH_TABLE(Interface, ...) \
    const ::quenmoor::com::DispatchTable<Interface>& Interface::dispatchTable() { \
        using T = ::quenmoor::com::DispatchTable<Interface>; \
        static const T table{__VA_ARGS__}; \
        return table; \
    }
// clang-format on
