#pragma once

#include <string>
#include <utility>

#include "platform/com/com_error.h"
#include "platform/com/unknown.h"

namespace quenmoor::com {

// An owning reference to an interface: AddRef on copy, Release on destruction.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    explicit ComPtr(T* p) : p_(p) { addRef(); }
    ComPtr(const ComPtr& other) : p_(other.p_) { addRef(); }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    template <class U>
    requires std::is_convertible_v<U*, T*> ComPtr(const ComPtr<U>& other) : p_(other.get()) {
        addRef();
    }
    template <class U>
    requires std::is_convertible_v<U*, T*> ComPtr(ComPtr<U>&& other)
    noexcept : p_(other.detach()) {}
    ~ComPtr() { release(); }

    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }

    // Takes over a reference that the caller already owns.
    static ComPtr adopt(T* p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }
    T* detach() noexcept { return std::exchange(p_, nullptr); }
    void reset() noexcept { release(); }

    // For an out parameter: drops the current reference and gives the slot to fill.
    T** put() noexcept {
        release();
        return &p_;
    }
    void** putVoid() noexcept { return reinterpret_cast<void**>(put()); }

    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    T& operator*() const noexcept { return *p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

    // QueryInterface: an empty pointer when the object does not offer U.
    template <class U>
    ComPtr<U> tryAs() const {
        ComPtr<U> result;
        if (p_ != nullptr) {
            p_->QueryInterface(U::iid, result.putVoid());
        }
        return result;
    }

    // QueryInterface that throws ComError (E_NOINTERFACE, or E_POINTER on an empty
    // pointer) naming `what`.
    template <class U>
    ComPtr<U> as(std::string_view what) const {
        if (p_ == nullptr) {
            throw ComError(E_POINTER, std::string(what) + ": object not set");
        }
        ComPtr<U> result;
        HRESULT hr = p_->QueryInterface(U::iid, result.putVoid());
        if (failed(hr) || !result) {
            throw ComError(E_NOINTERFACE, std::string(what) + ": object does not offer interface " +
                                              U::iid.toString());
        }
        return result;
    }

    friend bool operator==(const ComPtr& a, const ComPtr& b) { return a.p_ == b.p_; }
    friend bool operator==(const ComPtr& a, std::nullptr_t) { return a.p_ == nullptr; }

private:
    void addRef() {
        if (p_ != nullptr) {
            p_->AddRef();
        }
    }
    void release() noexcept {
        if (T* p = std::exchange(p_, nullptr)) {
            p->Release();
        }
    }

    T* p_ = nullptr;
};

// Identity in the platform's sense: two references reach the same object when their
// IUnknown pointers are equal.
template <class A, class B>
bool sameObject(const ComPtr<A>& a, const ComPtr<B>& b) {
    return a.template tryAs<IUnknown>().get() == b.template tryAs<IUnknown>().get();
}

}  // namespace quenmoor::com
