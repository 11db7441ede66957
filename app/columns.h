#pragma once

namespace app {

/// The column of control point `index` (0..8), its Left: the 16-bit integer
/// nearest to index / 8 * 4200 + 6180 twips, so 6180 to 10380 in steps of
/// 525.
float PointColumn(int index);

/// The Left of a mirror marker whose point stands at `left`: as far left of
/// point 0's column as the point is right of it, in single precision.
float MirrorColumn(float left);

}  // namespace app
