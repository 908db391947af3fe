#pragma once

#include <atomic>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "platform/com/com_ptr.h"
#include "platform/com/unknown.h"

namespace quenmoor::com {

// Live objects and server locks of the library this header is compiled into. Component
// libraries are built with hidden symbols, so each has its own count, which its
// DllCanUnloadNow reports.
struct ModuleLifetime {
    static inline std::atomic<long> objects{0};
    static inline std::atomic<long> locks{0};
    static bool canUnload() { return objects.load() == 0 && locks.load() == 0; }
};

namespace detail {

template <class I>
concept HasBase = requires {
    typename I::Base;
};

// The pointer to hand out for iid through the interface I of an object; the bases of I
// share its address, as single inheritance lays them out.
template <class I>
void* interfacePointer(I* self, const Guid& riid) {
    if (riid == I::iid) {
        return self;
    }
    if constexpr (HasBase<I>) {
        return interfacePointer<typename I::Base>(static_cast<typename I::Base*>(self), riid);
    }
    return nullptr;
}

// A class whose objects only the one thread of their apartment ever touches says so with
// `static constexpr bool apartmentThreaded = true;`.
template <class D>
constexpr bool isApartmentThreaded() {
    if constexpr (requires { D::apartmentThreaded; }) {
        return D::apartmentThreaded;
    } else {
        return false;
    }
}

}  // namespace detail

// Reference counting and QueryInterface for a class over the interfaces it lists:
//
//     class Application final : public ComObject<Application, ApplicationInterface, SwAddin> { ...
//     }; ComPtr<Application> app = Application::create();
//
// The first listed interface gives the object's IUnknown identity. The objects of an
// apartment-threaded class count their references without atomic operations, as nothing
// but their one thread can reach them.
template <class Derived, class... Interfaces>
class ComObject : public Interfaces... {
    static_assert(sizeof...(Interfaces) > 0);
    using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;

public:
    template <class... Args>
    static ComPtr<Derived> create(Args&&... args) {
        return ComPtr<Derived>::adopt(new Derived(std::forward<Args>(args)...));
    }

    HRESULT QueryInterface(const Guid& riid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (riid == IUnknown::iid) {
            *object = static_cast<IUnknown*>(static_cast<First*>(this));
        } else {
            (void)((*object =
                        detail::interfacePointer<Interfaces>(static_cast<Interfaces*>(this), riid),
                    *object != nullptr) ||
                   ...);
        }
        if (*object == nullptr) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }

    std::uint32_t AddRef() override {
        if constexpr (detail::isApartmentThreaded<Derived>()) {
            const std::uint32_t count = references_.load(std::memory_order_relaxed) + 1;
            references_.store(count, std::memory_order_relaxed);
            return count;
        } else {
            return ++references_;
        }
    }

    std::uint32_t Release() override {
        std::uint32_t left;
        if constexpr (detail::isApartmentThreaded<Derived>()) {
            left = references_.load(std::memory_order_relaxed) - 1;
            references_.store(left, std::memory_order_relaxed);
        } else {
            left = --references_;
        }
        if (left == 0) {
            delete static_cast<Derived*>(this);
        }
        return left;
    }

    // Whether the one reference left is the caller's: no one else can see the object.
    bool soleReference() const { return references_.load() == 1; }

    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

protected:
    // References start at one: create() adopts it.
    ComObject() { ++ModuleLifetime::objects; }
    virtual ~ComObject() { --ModuleLifetime::objects; }

private:
    std::atomic<std::uint32_t> references_{1};
};

}  // namespace quenmoor::com
