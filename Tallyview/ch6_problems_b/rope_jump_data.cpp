#include "Tallyview/ch6_problems_b/rope_jump_data.h"

#include <span>

namespace tallyview {

namespace {

constexpr float kClass1[] = {14, 9,  14, 22, 18, 9,  12, 15, 22, 19, 14, 17,
                             28, 19, 21, 19, 21, 29, 24, 25, 18, 31, 31, 27};
constexpr float kClass2[] = {12, 20, 21, 13, 14, 12, 17, 20, 16, 26, 16, 29, 17,
                             21, 17, 14, 19, 27, 16, 21, 24, 15, 35, 20, 16};
constexpr float kClass3[] = {22, 11, 25, 18, 22, 17, 23, 13, 22, 19, 11, 19,
                             26, 15, 23, 32, 17, 23, 24, 27, 16, 28, 18};
constexpr float kClass4[] = {17, 14, 13, 26, 17, 19, 17, 18, 18, 18, 26,
                             32, 22, 28, 18, 24, 19, 23, 33, 16, 20};

void Load(Program& p, std::span<const float> values) {
    p.DOSU = static_cast<float>(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) p.T_a(static_cast<float>(i + 1)) = values[i];
}

}  // namespace

void LoadClass1Jumps(Program& p) { Load(p, kClass1); }
void LoadClass2Jumps(Program& p) { Load(p, kClass2); }
void LoadClass3Jumps(Program& p) { Load(p, kClass3); }
void LoadClass4Jumps(Program& p) { Load(p, kClass4); }

const std::array<int, 5>& PracticesPerDay(int classNumber) {
    static constexpr std::array<std::array<int, 5>, 4> kDays = {{
        {5, 5, 5, 4, 5},
        {5, 5, 5, 5, 5},
        {5, 4, 5, 4, 5},
        {5, 4, 4, 4, 4},
    }};
    return kDays.at(static_cast<std::size_t>(classNumber - 1));
}

ClassLoader LoaderOfClass(int classNumber) {
    static constexpr std::array<ClassLoader, 4> kLoaders = {LoadClass1Jumps, LoadClass2Jumps,
                                                            LoadClass3Jumps, LoadClass4Jumps};
    return kLoaders.at(static_cast<std::size_t>(classNumber - 1));
}

}  // namespace tallyview
