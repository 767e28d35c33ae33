// lesson-tour: runs a lesson program in the headless runtime with scripted
// keys, reports every wait, and writes screenshots and an operation log.
//
//   lesson-tour PROGRAM [--keys KEYS] [--clock HH:MM:SS] [--png DIR] [--ops FILE]
//
// KEYS are typed in order; \r is Enter, \b Backspace, \f form feed and \\ a
// backslash. Without --keys the program's built-in walk is typed, which
// reaches every screen and ends the program. One line per event goes to
// standard output: "N key", "N number", "N end", "N error STATEMENT,CODE",
// "N keys-out". Exit status: 0 after end or keys-out, 1 after an error,
// 2 on bad usage.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>

#include "Diceway/diceway.h"
#include "Tallyview/tallyview.h"
#include "platform/headless_runtime.h"
#include "platform/op_text.h"
#include "tools/tour_walks.h"

namespace {

struct ProgramEntry {
    lesson::RunResult (*run)(lesson::Runtime&);
    std::string (*walk)();
};

const std::map<std::string, ProgramEntry>& Programs() {
    static const std::map<std::string, ProgramEntry> programs = {
        {"Tallyview", {tallyview::RunTallyview, tour::TallyviewWalk}},
        {"Diceway", {diceway::RunDiceway, tour::DicewayWalk}},
    };
    return programs;
}

std::optional<std::string> Unescape(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        if (++i == s.size()) return std::nullopt;
        switch (s[i]) {
            case 'r': out += '\r'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case '\\': out += '\\'; break;
            default: return std::nullopt;
        }
    }
    return out;
}

int Usage(const char* message) {
    std::cerr << "lesson-tour: " << message << "\n"
              << "usage: lesson-tour PROGRAM [--keys KEYS] [--clock HH:MM:SS] [--png DIR] [--ops FILE]\n"
              << "programs:";
    for (const auto& [name, entry] : Programs()) std::cerr << " " << name;
    std::cerr << "\n";
    return 2;
}

class Tour {
public:
    Tour(platform::HeadlessRuntime& rt, std::string pngDir, std::ofstream* ops)
        : rt_(rt), pngDir_(std::move(pngDir)), ops_(ops) {}

    void Event(const std::string& what) {
        ++count_;
        std::cout << count_ << " " << what << std::endl;
        FlushOps();
        if (ops_) *ops_ << "event " << count_ << " " << what << "\n";
        if (!pngDir_.empty()) {
            char name[32];
            std::snprintf(name, sizeof name, "%04d.png", count_);
            const std::string path = (std::filesystem::path(pngDir_) / name).string();
            if (!rt_.WritePng(path)) std::cerr << "lesson-tour: cannot write " << path << "\n";
        }
    }

    void FlushOps() {
        if (ops_)
            for (const lesson::DrawOp& op : rt_.Ops()) *ops_ << platform::FormatOp(op) << "\n";
        rt_.ClearOps();
    }

private:
    platform::HeadlessRuntime& rt_;
    std::string pngDir_;
    std::ofstream* ops_;
    int count_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage("no program named");
    const auto program = Programs().find(argv[1]);
    if (program == Programs().end()) return Usage("unknown program");

    std::optional<std::string> keys;
    std::string clock = "12:34:56", pngDir, opsPath;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) return Usage("option without a value");
        const std::string value = argv[++i];
        if (option == "--keys") {
            keys = Unescape(value);
            if (!keys) return Usage("bad escape in --keys");
        } else if (option == "--clock") {
            if (value.size() != 8 || value[2] != ':' || value[5] != ':') return Usage("--clock takes HH:MM:SS");
            clock = value;
        } else if (option == "--png") {
            pngDir = value;
        } else if (option == "--ops") {
            opsPath = value;
        } else {
            return Usage("unknown option");
        }
    }
    if (!pngDir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(pngDir, ec);
        if (ec) return Usage("cannot create the --png folder");
    }
    std::ofstream opsFile;
    if (!opsPath.empty()) {
        opsFile.open(opsPath);
        if (!opsFile) return Usage("cannot write the --ops file");
    }

    platform::HeadlessRuntime rt(lesson::Text(keys ? *keys : program->second.walk()),
                                 lesson::Text(clock));
    if (!pngDir.empty()) rt.EnableCanvas();
    Tour tour(rt, pngDir, opsPath.empty() ? nullptr : &opsFile);
    bool keysOut = false;
    rt.onWait = [&](lesson::WaitKind kind) {
        tour.Event(kind == lesson::WaitKind::AnyKey ? "key" : "number");
    };
    rt.onKeysOut = [&] {
        keysOut = true;
        tour.Event("keys-out");
    };

    const lesson::RunResult result = program->second.run(rt);
    switch (result.kind) {
        case lesson::RunResult::Kind::Ended:
            tour.Event("end");
            return 0;
        case lesson::RunResult::Kind::Error:
            tour.Event("error " + std::to_string(result.statement) + "," + std::to_string(result.code));
            return 1;
        case lesson::RunResult::Kind::Closed:
            tour.FlushOps();
            return keysOut ? 0 : 1;
    }
    return 1;
}
