#include "Camera.h"

namespace artgen {

const Camera kCamera;

} // namespace artgen
