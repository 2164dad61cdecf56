#include "elementmodel.h"

namespace talvex {

void registerElementKinds(KindRegistrar &) {}

} // namespace talvex
