// COM for one call: initialisation scope and a move-only interface pointer.
#pragma once

#include <objbase.h>

#include <utility>

namespace gd {

class ComScope {
 public:
  ComScope() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComScope() {
    if (initialised_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_;
};

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Release();
      ptr_ = std::exchange(other.ptr_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { Release(); }

  Interface* get() const { return ptr_; }
  Interface* operator->() const { return ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }
  // For creation functions that fill an out pointer.
  void** out() {
    Release();
    return reinterpret_cast<void**>(&ptr_);
  }

 private:
  void Release() {
    if (ptr_) std::exchange(ptr_, nullptr)->Release();
  }
  Interface* ptr_ = nullptr;
};

}  // namespace gd
