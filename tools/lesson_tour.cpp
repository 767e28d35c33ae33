// lesson-tour: runs a lesson program in the headless runtime with scripted
// keys, reports every wait, and writes screenshots and an operation log.
//
//   lesson-tour PROGRAM [--keys KEYS | --keys-file FILE] [--clock HH:MM:SS] [--png DIR] [--ops FILE]
//   lesson-tour PROGRAM --random N [--seed S]
//   lesson-tour PROGRAM --contrast [--keys KEYS | --keys-file FILE]
//
// KEYS are typed in order; \r is Enter, \b Backspace, \f form feed, \0 a key
// without a character (Page Down, F5, ...) and \\ a backslash. Without
// --keys the program's built-in walk is typed, which reaches every screen
// and ends the program. One line per event goes to
// standard output: "N key", "N number", "N end", "N error STATEMENT,CODE",
// "N keys-out". --keys-file reads the keys, escapes and all, from a file.
// Exit status: 0 after end or keys-out, 1 after an error, 2 on bad usage.
//
// --random types N random keys weighted as a class types (seed S, default
// 1), starting the program again whenever it ends, and prints one summary
// line. It exits 1 on an error screen, or when a step draws more than a
// bound of operations without coming back to a wait.
//
// --contrast runs the walk (or the keys) through the contrast audit and
// prints its table: every text colour on every ground the screens draw,
// with its contrast, glyph and mark counts and the step that first shows
// it (the event number above), then any pair below its least contrast.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include "Diceway/diceway.h"
#include "Tallyview/tallyview.h"
#include "lessonlib/shell/errors.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/number_entry.h"
#include "platform/contrast_audit.h"
#include "platform/headless_runtime.h"
#include "platform/op_text.h"
#include "tools/tour_walks.h"

namespace {

struct ProgramEntry {
    lesson::RunResult (*run)(lesson::Runtime&);
    std::string (*walk)();
};

#ifdef LESSON_TOUR_FAILING_PROGRAM
// A program for testing the tour itself: a menu whose item 2 shows one
// any-key screen and then raises a run-time error.
void FailingStartUp(lesson::Program& p) {
    p.KAIX = 1056;
    p.KAIY = 648;
    for (;;) {
        lesson::InputNumber(p);
        lesson::ParseNumber(p);
        if (p.AINP == 2) {
            lesson::WaitAnyKey(p);
            lesson::Fail(lesson::ErrorCode::IllegalValue, std::source_location::current());
        }
    }
}

lesson::RunResult RunFailing(lesson::Runtime& rt) { return lesson::RunProgram(rt, FailingStartUp); }

std::string FailingWalk() { return "1\r2\rk"; }
#endif

const std::map<std::string, ProgramEntry>& Programs() {
    static const std::map<std::string, ProgramEntry> programs = {
        {"Tallyview", {tallyview::RunTallyview, tour::TallyviewWalk}},
        {"Diceway", {diceway::RunDiceway, tour::DicewayWalk}},
#ifdef LESSON_TOUR_FAILING_PROGRAM
        {"Failing", {RunFailing, FailingWalk}},
#endif
    };
    return programs;
}

// Keys as a class types them: mostly digits and Enter, then the characters
// of numbers, corrections, letters, symbols, arrows, Escape and Tab.
std::u32string RandomKeys(long count, unsigned seed) {
    struct Group {
        int weight;
        const char32_t* keys;
    };
    static const Group groups[] = {
        {40, U"0123456789"}, {24, U"\r"},  {4, U"/"},    {4, U"."},   {4, U"-"},
        {5, U"\b"},          {6, U"abcdefghijklmnopqrstuvwxyzABCXYZ"},
        {3, U" !\"#$%&'()*+,:;<=>?@[]^_{|}~"},      {4, U"\x1c\x1d\x1e\x1f"},
        {2, U"\x1b"},        {2, U"\t"},  {2, U"\0"},
    };
    int total = 0;
    for (const Group& g : groups) total += g.weight;
    std::mt19937 random(seed);
    std::u32string keys;
    keys.reserve(std::size_t(count));
    for (long i = 0; i < count; ++i) {
        int pick = int(random() % unsigned(total));
        const Group* g = groups;
        while (pick >= g->weight) pick -= (g++)->weight;
        const std::size_t n = g->keys[0] == 0 ? 1 : std::char_traits<char32_t>::length(g->keys);
        keys += g->keys[random() % n];
    }
    return keys;
}

// The longest run of drawing operations a step may make between two waits.
constexpr std::size_t kDrawBound = 2'000'000;

int Soak(const ProgramEntry& program, long count, unsigned seed) {
    const std::u32string keys = RandomKeys(count, seed);
    std::size_t typed = 0;
    long screens = 0, ends = 0, errors = 0;
    std::size_t longest = 0;
    bool stuck = false;
    while (typed < keys.size() && !stuck && errors == 0) {
        platform::HeadlessRuntime rt(lesson::Text(keys.substr(typed)));
        rt.SetKeepOps(false);
        rt.SetDrawLimit(kDrawBound);
        rt.onWait = [&](lesson::WaitKind) {
            ++screens;
            longest = std::max(longest, rt.DrawsSinceWait());
        };
        const lesson::RunResult result = program.run(rt);
        longest = std::max(longest, std::min(rt.DrawsSinceWait(), kDrawBound));
        typed = keys.size() - rt.KeysLeft();
        if (rt.DrawLimitReached()) stuck = true;
        else if (result.kind == lesson::RunResult::Kind::Ended) ++ends;
        else if (result.kind == lesson::RunResult::Kind::Error) {
            ++errors;
            std::cout << "error " << result.statement << "," << result.code << " after key " << typed
                      << "\n";
        }
    }
    std::cout << "keys " << typed << ", screens " << screens << ", program ends " << ends
              << ", error screens " << errors << ", longest draws between waits " << longest
              << (stuck ? " (a step never came back to a wait)" : "") << std::endl;
    return errors > 0 || stuck ? 1 : 0;
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
            case '0': out += '\0'; break;
            default: return std::nullopt;
        }
    }
    return out;
}

int Usage(const char* message) {
    std::cerr << "lesson-tour: " << message << "\n"
              << "usage: lesson-tour PROGRAM [--keys KEYS] [--clock HH:MM:SS] [--png DIR] [--ops FILE]\n"
              << "       lesson-tour PROGRAM --random N [--seed S]\n"
              << "       lesson-tour PROGRAM --contrast [--keys KEYS]\n"
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
    long randomKeys = -1;
    unsigned seed = 1;
    std::string clock = "12:34:56", pngDir, opsPath;
    bool contrast = false;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--contrast") {
            contrast = true;
            continue;
        }
        if (i + 1 >= argc) return Usage("option without a value");
        const std::string value = argv[++i];
        if (option == "--keys") {
            keys = Unescape(value);
            if (!keys) return Usage("bad escape in --keys");
        } else if (option == "--keys-file") {
            std::ifstream file(value, std::ios::binary);
            if (!file) return Usage("cannot read the --keys-file");
            std::stringstream text;
            text << file.rdbuf();
            std::string content = text.str();
            // A file's line breaks are not keys; Enter is written \r.
            std::erase(content, '\n');
            keys = Unescape(content);
            if (!keys) return Usage("bad escape in --keys-file");
        } else if (option == "--random") {
            char* end = nullptr;
            randomKeys = std::strtol(value.c_str(), &end, 10);
            if (*end || randomKeys < 0) return Usage("--random takes a count of keys");
        } else if (option == "--seed") {
            char* end = nullptr;
            seed = unsigned(std::strtoul(value.c_str(), &end, 10));
            if (*end || value.empty()) return Usage("--seed takes a whole number");
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
    if (randomKeys >= 0) return Soak(program->second, randomKeys, seed);
    if (contrast) {
        platform::ContrastAudit audit;
        const lesson::RunResult result =
            audit.Walk(argv[1], program->second.run, lesson::Text(keys ? *keys : program->second.walk()));
        std::cout << audit.Table();
        for (const std::string& failure : audit.Failures()) std::cout << "  " << failure << "\n";
        return result.kind == lesson::RunResult::Kind::Error ? 1 : 0;
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
