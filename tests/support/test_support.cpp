#include "tests/support/test_support.h"

#include <cstdlib>
#include <filesystem>


namespace testing_support {

std::vector<lesson::DrawOp> VisibleOps(const platform::HeadlessRuntime& rt) {
    std::vector<lesson::DrawOp> out;
    for (const lesson::DrawOp& op : rt.Ops()) {
        bool below = !op.points.empty();
        for (const lesson::Point& pt : op.points) below = below && pt.y >= 1000;
        if (!below) out.push_back(op);
    }
    return out;
}

std::vector<lesson::DrawOp> TextOps(const std::vector<lesson::DrawOp>& ops) {
    std::vector<lesson::DrawOp> out;
    for (const lesson::DrawOp& op : ops)
        if (op.kind == lesson::DrawOp::Kind::Text) out.push_back(op);
    return out;
}

std::string JoinedText(const std::vector<lesson::DrawOp>& ops) {
    std::string out;
    for (const lesson::DrawOp& op : ops)
        if (op.kind == lesson::DrawOp::Kind::Text) out += op.text.Utf8();
    return out;
}

std::string OutputDir() {
    const char* env = std::getenv("LESSON_TEST_OUTPUT");
    const std::string dir = env ? env : "test-output";
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace testing_support

namespace testing_support {

Walk RunWalk(lesson::RunResult (*run)(lesson::Runtime&), const lesson::Text& keys) {
    Walk walk;
    platform::HeadlessRuntime rt(keys);
    rt.onWait = [&](lesson::WaitKind kind) {
        (kind == lesson::WaitKind::AnyKey ? walk.keyWaits : walk.numberWaits)++;
    };
    rt.onKeysOut = [&] { walk.keysOut = true; };
    walk.result = run(rt);
    walk.ops = rt.Ops();
    return walk;
}

}  // namespace testing_support
