#pragma once

#include <array>

#include "config/ImageLayout.h"

namespace orvex {

inline constexpr int kFactoryImageCount = 3;

/// Factory image n (1..3) from the built-in resource
/// ":/factory/ORVEX71Data_Cfg<n>.bin", read afresh on every call.
/// Throws std::out_of_range for any other n and std::runtime_error when the
/// resource is missing or not 2048 bytes long.
ImageBuffer LoadFactoryImage(int n);

/// Factory images 1..3 at indices 0..2 (LoadFactoryImages), with the same
/// errors as LoadFactoryImage.
std::array<ImageBuffer, kFactoryImageCount> LoadFactoryImages();

}  // namespace orvex
