// The image set: pictures 0 to 34, decoded once at start-up from the picture
// files embedded as RCDATA resources ImageSetFirstResource + number.
#pragma once

#include <cstdint>
#include <span>

constexpr int ImageSetCount = 35;
constexpr int ImageSetFirstResource = 1000;

// Decodes pictures 0 to 34 in ascending order and registers each under its
// number (platform/pictures.h). A block that cannot be decoded leaves its
// number without a picture. Needs nothing but the executable's resources.
void LoadImageSet();

// Decodes one block into number, replacing what was there; false (and the
// number empty) when the block cannot be decoded.
bool LoadPictureFromBytes(int number, std::span<const uint8_t> bytes);
