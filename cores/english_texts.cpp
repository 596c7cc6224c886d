#include "cores/english_texts.hpp"

#include <algorithm>
#include <array>
#include <utility>

namespace ferricalc {

namespace {

using Pair = std::pair<std::string_view, std::string_view>;

constexpr auto kEnglish = std::to_array<Pair>({
    // The selector's options
    {"环型", "Ring"},
    {"UF型", "UF"},
    {"UY型", "UY"},
    {"UYF型", "UYF"},
    {"UI型", "UI"},
    {"EE/EF型", "EE/EF"},
    {"ETD/EC/EER型", "ETD/EC/EER"},
    {"EI型", "EI"},
    {"ED型", "ED"},
    {"罐型", "Pot"},
    {"RM型", "RM"},
    {"EP型", "EP"},
    // The leg a single gap is ground into
    {"中柱", "centre post"},
    {"绕线柱", "wound leg"},
    {"磁环", "ring"},
    // The windows' notes
    {"    Rd,Rw,Rn 为半径", "    Rd, Rw, Rn are radii"},
    {"    R,Rd,Rw,Rn 为半径", "    R, Rd, Rw, Rn are radii"},
    {"    r1,r2,r3 为半径", "    r1, r2, r3 are radii"},
    {"    Gd 为半径", "    Gd is a radius"},
    // What the fields' letters stand for
    {"外径", "outer diameter"},
    {"内径", "inner diameter"},
    {"高度（轴向厚度）", "height (axial thickness)"},
    {"截面棱边的倒圆半径", "radius rounding the section's edges"},
    {"一侧斜面的倾角（弧度）", "angle of one side's bevel (radians)"},
    {"另一侧斜面的倾角（弧度）", "angle of the other side's bevel (radians)"},
    {"两外柱外侧总宽", "overall width across the outer legs"},
    {"两外柱内侧间距", "distance between the outer legs' inner faces"},
    {"中心柱宽度", "centre post width"},
    {"圆形中心柱直径", "round centre post diameter"},
    {"中心柱直径", "centre post diameter"},
    {"磁芯厚度", "core thickness"},
    {"磁芯厚度（深度）", "core thickness (depth)"},
    {"叠片厚度", "stack thickness"},
    {"柱长（窗口高度）", "leg length (window height)"},
    {"窗口长度", "window length"},
    {"半磁芯总高", "overall height of one half"},
    {"E 片总长", "overall length of the E piece"},
    {"I 片厚度", "thickness of the I piece"},
    {"背部外缘倒圆半径", "radius rounding the back's outer edge"},
    {"外柱外缘倒圆半径", "radius rounding the outer legs' outer edge"},
    {"窗口内缘倒圆半径", "radius rounding the window's inner edge"},
    {"背部与中心柱间的窗口圆角半径（不参与计算）",
     "window corner radius between back and centre post (not used in the calculation)"},
    {"背部与外柱间的窗口圆角半径（不参与计算）",
     "window corner radius between back and outer leg (not used in the calculation)"},
    {"外柱内侧圆弧直径", "diameter of the outer legs' inner arc"},
    {"总宽（跨绕线空间）", "overall width (across the winding space)"},
    {"绕线空间宽度", "winding space width"},
    {"绕线空间直径", "winding space diameter"},
    {"总深度（开口侧至对侧）", "overall depth (open side to far side)"},
    {"单半绕线空间深度", "winding space depth of one half"},
    {"单半高度", "height of one half"},
    {"开口侧至中心柱轴线距离（不参与计算）", "open side to centre post axis (not used in the calculation)"},
    {"外壁内径", "inner diameter of the outer wall"},
    {"中心孔直径（无孔为 0）", "centre hole diameter (0 for none)"},
    {"槽口宽度", "slot opening width"},
    {"槽端直径", "slot end diameter"},
    {"槽底宽度", "slot bottom width"},
    {"槽深", "slot depth"},
    {"两倒角间距离", "distance between the two chamfers"},
    {"总长（跨两外柱）", "overall length (across the outer legs)"},
    {"总宽（不参与计算）", "overall width (not used in the calculation)"},
    {"开口宽度", "opening width"},
    {"两柱外侧总高（不参与计算）", "overall height across both legs (not used in the calculation)"},
    {"两柱外侧总高，即 I 片长度（不参与计算）",
     "overall height across both legs, i.e. the I piece's length (not used in the calculation)"},
    {"两柱外侧总宽（不参与计算）", "overall width across both legs (not used in the calculation)"},
    {"窗口高度（两柱内侧间距）", "window height (between the legs' inner faces)"},
    {"窗口宽度（两柱内侧间距）", "window width (between the legs' inner faces)"},
    {"下柱厚度", "lower leg thickness"},
    {"上柱厚度", "upper leg thickness"},
    {"柱长（背内侧至端面）", "leg length (inside of the back to the end face)"},
    {"总长（背外侧至端面）", "overall length (outside of the back to the end face)"},
    {"总高（背外侧至端面）", "overall height (outside of the back to the end face)"},
    {"U 片总长（背外侧至端面）", "overall length of the U piece (outside of the back to the end face)"},
    {"圆柱直径（背部深度与之相同）", "round leg diameter (the back is as deep)"},
    {"圆柱直径（亦为磁芯厚度）", "round leg diameter (also the core's thickness)"},
    {"上柱外侧半圆槽半径", "radius of the half-round groove outside the upper leg"},
    {"下柱外侧半圆槽半径", "radius of the half-round groove outside the lower leg"},
    {"背部截面半圆槽半径", "radius of the half-round groove in the back's section"},
    {"方柱宽度", "square leg width"},
    {"方柱棱边倒角（不参与计算）", "chamfer of the square leg's edges (not used in the calculation)"},
    {"背部底边倒圆半径", "radius rounding the back's bottom edge"},
    {"圆柱削平深度", "depth of the flat on the round leg"},
});

}  // namespace

std::string_view inEnglish(std::string_view chinese)
{
    // std::find_if rather than std::ranges::find: the web page's compiler (emscripten's libc++) lacks the latter.
    const auto found = std::find_if(kEnglish.begin(), kEnglish.end(),
                                    [chinese](const Pair& pair) { return pair.first == chinese; });
    return found != kEnglish.end() ? found->second : chinese;
}

}  // namespace ferricalc
