#pragma once

namespace rp {

// Window sizes and positions are given in twips (1/1440 inch); the program draws at 15 twips a pixel.
constexpr int twips(int t) {
    return t / 15;
}

} // namespace rp
