#include "checks/nbr8800_1986/built_up.h"

#include "checks/numeric.h"

namespace quintaro::checks::nbr8800_1986 {

double compression_spacing(double rz, double lambda) {
    return finite(rz * lambda);
}

double tension_spacing(double rz) {
    return finite(kTensionSpacingSlenderness * rz);
}

}  // namespace quintaro::checks::nbr8800_1986
