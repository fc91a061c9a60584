// Pictures by resource number, loaded on first use and kept until exit.
#pragma once

#include "framework/Layout.h"

namespace fw {

// Picture resource `number` of the application (":/pictures/<number>.svg"), or null.
Picture GetPicture(int number);

// One picture's cache: its accessor loads resource `number` once and keeps it.
// A missing resource leaves the cache empty, so the next call tries again.
class PictureCache {
 public:
  explicit constexpr PictureCache(int number) : number_(number) {}
  Picture Get();
  void Release();            // drops the cached picture
  bool Loaded() const { return static_cast<bool>(picture_); }
  int Number() const { return number_; }

 private:
  int number_;
  Picture picture_;
};

}  // namespace fw
