#include <gtest/gtest.h>

#include "lessonlib/shell/errors.h"
#include "lessonlib/shell/text.h"

using namespace lesson;

TEST(TextType, ByteWidthsFollowTheDoubleByteCodePage) {
    // One byte: ASCII and half-width katakana; two bytes: everything else.
    EXPECT_EQ(Text("abc").ByteSize(), 3u);
    EXPECT_EQ(Text("ﾀﾝ").ByteSize(), 2u);
    EXPECT_EQ(Text("×÷±°①…").ByteSize(), 12u);
    EXPECT_EQ(Text("花見期間(平日)").ByteSize(), 14u);
    EXPECT_EQ(CountChars(Text("花見期間(平日)")), 8);
    EXPECT_EQ(CountBytes(Text("1　2")), 4);
}

TEST(TextType, CharacterPartsAndSearch) {
    const Text t = "①問題提示　②ヒストグラム";
    EXPECT_EQ(FirstChars(t, 3), Text("①問題"));
    EXPECT_EQ(LastChars(t, 2), Text("ラム"));
    EXPECT_EQ(MidChars(t, 6, 2), Text("　②"));
    EXPECT_EQ(MidChars(t, 20), Text());
    EXPECT_EQ(LastChars(t, 99), t);
    EXPECT_EQ(FindChars(t, "②"), 7);
    EXPECT_EQ(FindChars(t, "ﾀ"), 0);
    EXPECT_EQ(FindChars("ab/cd/e", "/", 4), 6);
    EXPECT_EQ(FirstChars(t, 0), Text());
}

TEST(TextType, BytePartsNeverSplitACharacter) {
    const Text t = "a実b";  // bytes: a=1, 実=2-3, b=4
    EXPECT_EQ(MidBytes(t, 2, 1), Text("実"));  // the lead byte carries the character
    EXPECT_EQ(MidBytes(t, 3, 1), Text());      // a trail byte alone is nothing
    EXPECT_EQ(MidBytes(t, 4, 1), Text("b"));
    EXPECT_EQ(FirstBytes(t, 2), Text("a実"));
    EXPECT_EQ(LastBytes(t, 1), Text("b"));
    EXPECT_EQ(MidBytes(t, 9, 1), Text());
    // Reassembling byte by byte gives the text back.
    Text rebuilt;
    for (int i = 1; i <= CountBytes(t); ++i) rebuilt += MidBytes(t, i, 1);
    EXPECT_EQ(rebuilt, t);
}

TEST(TextType, FindTextCountsBytesAndMatchesWholeCharacters) {
    EXPECT_EQ(FindText("実ﾀ", "ﾀ"), 3);
    EXPECT_EQ(FindText("表み実", "ﾀ"), 0);
    EXPECT_EQ(FindText("実\\", "\\"), 3);
    EXPECT_EQ(FindText("a/b/c", "/", 3), 4);
    EXPECT_EQ(FindText("abc", ""), 1);
}

TEST(TextType, IllegalCountsAreRunTimeErrors) {
    EXPECT_THROW(FirstChars("abc", -1), RuntimeError);
    EXPECT_THROW(MidChars("abc", 0, 1), RuntimeError);
    EXPECT_THROW(MidBytes("abc", 0, 1), RuntimeError);
}

TEST(TextType, OrderIsByCharacterCode) {
    // The number entry accepts exactly the keys from "-" to "9".
    for (const char* key : {"-", ".", "/", "0", "5", "9"}) {
        EXPECT_TRUE(Text("-") <= Text(key) && Text(key) <= Text("9")) << key;
    }
    for (const char* key : {",", ":", "a", " ", "１", "ﾀ"}) {
        EXPECT_FALSE(Text("-") <= Text(key) && Text(key) <= Text("9")) << key;
    }
}

TEST(TextType, Utf8RoundTrip) {
    const std::string s = "＜Tallyview　メニュー＞ℓ√";
    EXPECT_EQ(Text(s).Utf8(), s);
    EXPECT_EQ((Text("A") + Text("ｱ")).Utf8(), "Aｱ");
}
