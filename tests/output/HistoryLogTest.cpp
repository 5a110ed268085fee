#include <gtest/gtest.h>

#include <array>
#include <string>

#include "FileSizeLimit.h"
#include "TempDir.h"
#include "output/HistoryLog.h"
#include "output/OutputMessages.h"
#include "output/ShiftJis.h"

namespace mirel {
namespace {

using Selections = std::array<Selection, kGenerationCount>;

constexpr std::int32_t kStart = 1'000'000;

Selection marks(std::initializer_list<GeneRef> refs) {
    Selection s;
    for (const GeneRef& r : refs) s.setMark(s.count++, r);
    return s;
}

HistoryRecord startedAt(std::int32_t start) {
    HistoryRecord h;
    h.clockStart = start;
    h.clockNow = start;
    return h;
}

// The example run: generation 0, 75 seconds, marks 3 and 7 of generation 0.
constexpr const char* kExampleLog =
    "完成までにかかった世代数 :   0世代\n"
    "完成までにかかった時間 : 0時間 1分15秒\n"
    "\n"
    "\n"
    "----------------Generation 0---------------------------------\n"
    "\n"
    "\n"
    "・対話型GAによるモード\n"
    "\u3000（1分15秒）\n"
    "\n"
    "\u3000\u3000選択した個体(2個)\n"
    "\u3000\u3000\u3000No. 3(gene  0)\n"
    "\u3000\u3000\u3000No. 7(gene  0)\n"
    "\n"
    "\n"
    "最終的なモード：対話型GAによる似顔絵進化モード，全体（顔と髪）の進化モード\n"
    "\n";

TEST(HistoryLogTest, ExampleRunIsWrittenByteForByteInShiftJisWithCrLf) {
    test::TempDir dir;
    HistoryRecord history = startedAt(kStart);
    Selections selections{};
    selections[0] = marks({{0, 3}, {0, 7}});

    const auto failure =
        WriteHistoryLog(history, selections, kStart + 75, dir.path() / "Rireki.txt");
    ASSERT_FALSE(failure.has_value()) << *failure;

    const std::string bytes = dir.read("Rireki.txt");
    // Hand-checked Shift_JIS of the first line: 完成までにかかった世代数 :   0世代 CR LF.
    const std::string firstLine =
        "\x8a\xae\x90\xac\x82\xdc\x82\xc5\x82\xc9\x82\xa9\x82\xa9\x82\xc1\x82\xbd\x90\xa2"
        "\x91\xe3\x90\x94 :   0\x90\xa2\x91\xe3\r\n";
    EXPECT_EQ(bytes.substr(0, firstLine.size()), firstLine);
    // Ideographic space is 0x81 0x40: line 9 starts with it.
    EXPECT_NE(bytes.find("\r\n\x81\x40\x81\x69"
                         "1\x95\xaa"
                         "15\x95\x62\x81\x6a\r\n"),
              std::string::npos);

    std::string crlf;
    for (const char c : std::string(kExampleLog)) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(bytes, toShiftJis(crlf));
    EXPECT_EQ(history.generationSeconds[0], 75.0);
    EXPECT_EQ(history.clockStart, kStart + 75);
    EXPECT_EQ(history.clockNow, kStart + 75);
}

TEST(HistoryLogTest, EveryLineEndIsCrLf) {
    HistoryRecord history = startedAt(kStart);
    history.logGeneration = 2;
    Selections selections{};
    selections[1] = marks({{0, 1}});
    const std::string bytes = encodeHistoryLog(formatHistoryLog(history, selections));
    int lineEnds = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++lineEnds;
            ASSERT_GT(i, 0u);
            EXPECT_EQ(bytes[i - 1], '\r') << "bare LF at byte " << i;
        }
    }
    EXPECT_EQ(lineEnds, 4 + 3 * 9 + 1 + 2);  // header, 3 generations, 1 mark, footer
}

TEST(HistoryLogTest, TotalTimeAddsEachGenerationsWholeSeconds) {
    struct Case {
        std::array<double, 3> seconds;
        const char* line2;
    };
    const Case cases[] = {
        {{3725.0, 0.0, 0.0}, "完成までにかかった時間 : 1時間 2分 5秒\n"},
        {{3000.9, 700.9, 24.9}, "完成までにかかった時間 : 1時間 2分 4秒\n"},
        {{0.0, 0.0, 0.0}, "完成までにかかった時間 : 0時間 0分 0秒\n"},
        {{36000.0, 3599.0, 0.0}, "完成までにかかった時間 : 10時間59分59秒\n"},
    };
    for (const Case& c : cases) {
        HistoryRecord history;
        history.logGeneration = 2;
        for (int g = 0; g < 3; ++g) history.generationSeconds[g] = c.seconds[g];
        const std::string text = formatHistoryLog(history, Selections{});
        EXPECT_NE(text.find(c.line2), std::string::npos) << c.line2 << " in\n" << text;
    }
}

TEST(HistoryLogTest, GenerationMinutesAreNotWrappedIntoHours) {
    HistoryRecord history;
    history.generationSeconds[0] = 3725.0;
    const std::string text = formatHistoryLog(history, Selections{});
    EXPECT_NE(text.find("\u3000（62分5秒）\n\n"), std::string::npos) << text;
}

TEST(HistoryLogTest, SavingTwiceInOneGenerationCountsItsTimeOnce) {
    test::TempDir dir;
    HistoryRecord history = startedAt(kStart);
    Selections selections{};
    ASSERT_FALSE(WriteHistoryLog(history, selections, kStart + 40, dir.path() / "R.txt"));
    ASSERT_FALSE(WriteHistoryLog(history, selections, kStart + 75, dir.path() / "R.txt"));
    EXPECT_EQ(history.generationSeconds[0], 75.0);
    EXPECT_NE(dir.read("R.txt").find(toShiftJis("時間 : 0時間 1分15秒")), std::string::npos);
}

TEST(HistoryLogTest, GenerationsWithAndWithoutMarks) {
    HistoryRecord history;
    history.logGeneration = 3;
    Selections selections{};
    selections[0] = marks({{0, 12}});
    selections[2] = marks({{0, 5}, {2, 59}, {1, 0}});  // a mark made on an older generation
    selections[4] = marks({{4, 1}});                   // beyond logGeneration: not listed
    const std::string text = formatHistoryLog(history, selections);

    const char* expected[] = {
        "Generation 0---------------------------------\n\n\n・対話型GAによるモード\n"
        "\u3000（0分0秒）\n\n\u3000\u3000選択した個体(1個)\n\u3000\u3000\u3000No.12(gene  0)\n\n\n",
        "Generation 1---------------------------------\n\n\n・対話型GAによるモード\n"
        "\u3000（0分0秒）\n\n\u3000\u3000選択した個体なし\n\n\n",
        "\u3000\u3000選択した個体(3個)\n\u3000\u3000\u3000No. 5(gene  0)\n"
        "\u3000\u3000\u3000No.59(gene  2)\n\u3000\u3000\u3000No. 0(gene  1)\n\n\n",
        "Generation 3---------------------------------\n\n\n・対話型GAによるモード\n"
        "\u3000（0分0秒）\n\n\u3000\u3000選択した個体なし\n\n\n最終的なモード：",
    };
    for (const char* part : expected) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(text.find("Generation 4"), std::string::npos);
    EXPECT_NE(text.find("完成までにかかった世代数 :   3世代\n"), std::string::npos);
}

TEST(HistoryLogTest, OutOfRangeCountsAndGenerationsDoNotReadPastTheTables) {
    HistoryRecord history;
    history.logGeneration = kGenerationCount + 5;
    Selections selections{};
    selections[0].count = -3;
    selections[1].count = kMaxMarks + 10;
    const std::string text = formatHistoryLog(history, selections);
    EXPECT_NE(text.find("Generation 0-"), std::string::npos);
    EXPECT_NE(text.find("選択した個体(60個)"), std::string::npos);
    EXPECT_NE(text.find("Generation 49-"), std::string::npos);
    EXPECT_EQ(text.find("Generation 50-"), std::string::npos);

    // Fewer Selections than generations: the missing ones have no marks.
    history.logGeneration = 1;
    const Selection one[] = {marks({{0, 2}})};
    EXPECT_NE(formatHistoryLog(history, one).find("選択した個体なし"), std::string::npos);

    // The clock is still read and restarted, but nothing is booked.
    HistoryRecord far = startedAt(kStart);
    far.logGeneration = kGenerationCount;
    stepGenerationClock(far, kStart + 10);
    EXPECT_EQ(far.clockStart, kStart + 10);
    for (double s : far.generationSeconds) EXPECT_EQ(s, 0.0);
}

TEST(HistoryLogTest, MissingFolderReportsOpenFailureAfterTheClockStep) {
    test::TempDir dir;
    HistoryRecord history = startedAt(kStart);
    const auto failure =
        WriteHistoryLog(history, Selections{}, kStart + 9, dir.path() / "Output" / "Rireki.txt");
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, kTextFileOpenFailed);
    EXPECT_EQ(history.generationSeconds[0], 9.0);
    EXPECT_EQ(history.clockStart, kStart + 9);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Output"));
}

TEST(HistoryLogTest, FailedWriteIsReportedAsCloseFailure) {
    test::TempDir dir;
    dir.write("Rireki.txt", "old");
    HistoryRecord history;
    const test::ScopedFileSizeLimit full(16);  // the log is longer than that
    const auto failure = WriteHistoryLog(history, Selections{}, 0, dir.path() / "Rireki.txt");
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, kTextFileCloseFailed);
    EXPECT_EQ(dir.read("Rireki.txt"), "old");
}

TEST(HistoryLogTest, DefaultPathIsBelowOutputInTheWorkingDirectory) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "Output");
    test::ScopedWorkingDir cwd(dir.path());
    HistoryRecord history;
    ASSERT_FALSE(WriteHistoryLog(history, Selections{}, 0).has_value());
    EXPECT_FALSE(dir.read("Output/Rireki.txt").empty());
}

TEST(ShiftJisTest, EncodesTheLogsCharactersAndRejectsOthers) {
    struct Case {
        const char* utf8;
        const char* sjis;
    };
    const Case cases[] = {
        {"\u3000", "\x81\x40"}, {"・", "\x81\x45"}, {"，", "\x81\x43"},
        {"（", "\x81\x69"},     {"）", "\x81\x6a"}, {"：", "\x81\x46"},
        {"分", "\x95\xaa"},     {"No. 3", "No. 3"}, {"\r\n", "\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toShiftJis(c.utf8), std::string(c.sjis)) << c.utf8;
    }
    EXPECT_THROW(toShiftJis("\U0001F600"), std::invalid_argument);
    EXPECT_THROW(toShiftJis("\xff\xfe"), std::invalid_argument);
    EXPECT_EQ(toShiftJis(""), "");
}

}  // namespace
}  // namespace mirel
