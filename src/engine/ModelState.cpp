#include "ModelState.h"

namespace tidewell {

void ResetModel(ModelState& m) {
    m = ModelState{};
}

}  // namespace tidewell
