// The headless driver's own language: what it rejects and how it prints.

#include "driver.h"

#include <gtest/gtest.h>

#include <sstream>

#include "json.h"

namespace qm::headless {
namespace {

struct ScriptRun {
    explicit ScriptRun(const std::string& script) {
        std::istringstream in(script);
        status = Driver("/nonexistent-game", out).Run(in, err);
    }
    std::ostringstream out, err;
    int status = 0;
};

TEST(Driver, ABadLineStopsTheScriptWithItsNumber) {
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"\n# comment\nfrobnicate\n", "error: line 3: unknown command frobnicate\n"},
        {"show LblPC.Caption\n", "error: line 1: the program is not running (load it first)\n"},
        {"seed 1\ntick Nothing\n", "error: line 2: the program is not running (load it first)\n"},
        {"seed x\n", "error: line 1: not a whole number: x\n"},
        {"music start\n", "error: line 1: the music command is: music end\n"},
    };
    for (const auto& c : cases) {
        ScriptRun run(c.script);
        EXPECT_EQ(2, run.status) << c.script;
        EXPECT_EQ(c.error, run.err.str()) << c.script;
    }
}

TEST(Driver, TheProgramEndsItselfWithoutItsSettings) {
    ScriptRun run("load\nshow LblPC.Caption\n");
    EXPECT_EQ(1, run.status);
    EXPECT_NE(std::string::npos, run.out.str().find("MsgBox = \"設定ファイルを開けませんでした。\\r\\n"));
    EXPECT_TRUE(run.out.str().ends_with("Exit = 1\n"));
}

TEST(Json, EscapesOnlyWhatMustBeEscaped) {
    EXPECT_EQ(R"("a\r\n\t\"\\ ★")", Json("a\r\n\t\"\\ ★"));
    EXPECT_EQ("6.4", Json(6.4));
    EXPECT_EQ("8000", Json(8000.0));
    EXPECT_EQ("-0.3", Json(-0.3));
    EXPECT_EQ(R"(["2 哀",""])", Json(std::vector<std::string>{"2 哀", ""}));
}

}  // namespace
}  // namespace qm::headless
