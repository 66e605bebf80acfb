// Pictures of the catalogue's colours, made when the catalogue is built: a
// plain swatch for RAL and other solid colours, a generated woodgrain for
// wood decor foils, a fine texture for textured foils and brushed streaks
// for metallic ones. The same input always gives the same bytes.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace pictures {

enum class Surface { Plain, Woodgrain, Texture, Metal };

// The catalogue's names of the surfaces: "uni", "holz", "struktur",
// "metall"; anything else is plain.
Surface SurfaceFromName(std::string_view name);

// A JPEG of `width` x `height` pixels in the colour 0xRRGGBB. `seed` varies
// the grain between decors of the same colour (the colour's id will do).
// Empty when the size is out of range (1..4096) or the image cannot be
// encoded.
std::vector<unsigned char> ColourPicture(std::uint32_t rgb, Surface surface, std::uint32_t seed,
                                         int width = 290, int height = 184);

} // namespace pictures
