#include "ModelState.h"

namespace tidewell::engine {

void ResetModel(ModelState& m) {
    m = ModelState{};
}

}  // namespace tidewell::engine
