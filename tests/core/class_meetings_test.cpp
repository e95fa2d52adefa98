#include "core/class_meetings.h"
#include "support/fake_setter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace coinwell::core {
namespace {

// The shortages of tosses worked out by hand: H pays with a coin (+1), T
// takes one as change (-1), and the lowest balance after any guest counts.
TEST(ClassMeetings, ReadsShortagesAndTossesTypedOrPasted)
{
    const struct {
        const char* typed;
        std::vector<int> shortages;
    } cases[] = {
        {"-3 0 1", {-3, 0, 1}},
        {"-3,0\n1\r\n-10\t+1;-2", {-3, 0, 1, -10, 1, -2}},
        {"\xEF\xBC\x8D\xEF\xBC\x93\xE3\x80\x80\xEF\xBC\x90\xE3\x80\x81\xEF\xBC\x91", {-3, 0, 1}},  // full width: －３　０、１
        {"\xE2\x88\x92" "4", {-4}},                                                                 // −4 with the minus sign
        {"HHHHHHHHHH", {1}},
        {"TTTTTTTTTT", {-10}},
        {"HTHTHTHTHT", {0}},
        {"THTHTHTHTH", {-1}},
        {"hththththt", {0}},
        {"1010101010 0000000000", {0, -10}},
        {"HTTTTTTTTT -3", {-8, -3}},
        {"\xEF\xBC\xA8\xEF\xBC\xB4\xEF\xBC\xA8\xEF\xBC\xB4\xEF\xBC\xA8\xEF\xBC\xB4\xEF\xBC\xA8\xEF\xBC\xB4\xEF\xBC\xA8\xEF\xBC\xB4", {0}},
        {"", {}},
        {"  \n , ; ", {}},
        {"-3 (Aiko's group) 0", {-3, 0}},
        {"-3(ok)-2", {-3, -2}},
        {"HTTTTTTTTT (= 1) -3", {-8, -3}},  // a note is skipped, even one that is wrong
        {"-1 (unclosed 5", {-1}},
        {"\xEF\xBC\x88\xEF\xBC\x91\xEF\xBC\x89 -2", {-2}},  // a full-width note: （１）
    };
    for (const auto& c : cases) {
        const ClassEntry entry = readClassMeetings(c.typed, 10);
        EXPECT_FALSE(entry.error) << c.typed;
        EXPECT_EQ(entry.shortages, c.shortages) << c.typed;
    }
}

// The text offered again notes what each meeting typed as tosses came to,
// and puts the note right when the tosses were changed; anything else, a
// teacher's own notes among it, stays as typed.
TEST(ClassMeetings, NotesTheShortageWorkedOutFromEachMeetingsTosses)
{
    const struct {
        const char* typed;
        const char* text;
    } cases[] = {
        {"HTTT", "HTTT (= -2)"},
        {"HTTT (= -2)", "HTTT (= -2)"},
        {"HTTT (= 1)", "HTTT (= -2)"},
        {"HTTT\t\t(= 1)\nHHHH", "HTTT (= -2)\nHHHH (= 1)"},
        {"HTTT(= 0),THHH", "HTTT (= -2),THHH (= -1)"},
        {"-3 (= 1)", "-3 (= 1)"},
        {"HTTT, (= 1)", "HTTT (= -2), (= 1)"},
        {"HTTT (mine)", "HTTT (= -2) (mine)"},
        {"-1\n0110 -2", "-1\n0110 (= -1) -2"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const ClassEntry entry = readClassMeetings(c.typed, 4);
        EXPECT_FALSE(entry.error) << c.typed;
        EXPECT_EQ(entry.text, c.text) << c.typed;
    }
}

// A wrong entry is named as typed with what is allowed, and nothing is
// taken, also of the entries before it.
TEST(ClassMeetings, NamesTheFirstWrongEntryAndTakesNothing)
{
    const testing::FakeSetter english(1, 1, 1);
    const struct {
        const char* typed;
        int guests;
        const char* message;
    } cases[] = {
        {"-40", 35, "'-40' is not possible with 35 guests: a shortage lies between -35 and 1"},
        {"-3 2 -1", 10, "'2' is not possible with 10 guests: a shortage lies between -10 and 1"},
        {"99999999999", 10, "'99999999999' is not possible with 10 guests: a shortage lies between -10 and 1"},
        {"\xEF\xBC\x8D\xEF\xBC\x94\xEF\xBC\x90", 35,
         "'\xEF\xBC\x8D\xEF\xBC\x94\xEF\xBC\x90' is not possible with 35 guests: a shortage lies between -35 and 1"},
        {"-3\nHTH", 10, "'HTH' has 3 toss(es), but each meeting here has 10 guests"},
        {"0101", 10, "'0101' has 4 toss(es), but each meeting here has 10 guests"},
        {"-3 abc 1", 10, "'abc' is neither a shortage nor a meeting's tosses: write a whole number from -10 to 1, or 10 letters "
                         "H and T"},
        {"1.5", 10, "'1.5' is neither a shortage nor a meeting's tosses: write a whole number from -10 to 1, or 10 letters "
                    "H and T"},
        {"- 3", 10, "'-' is neither a shortage nor a meeting's tosses: write a whole number from -10 to 1, or 10 letters "
                    "H and T"},
    };
    for (const auto& c : cases) {
        const ClassEntry entry = readClassMeetings(c.typed, c.guests);
        ASSERT_TRUE(entry.error) << c.typed;
        EXPECT_EQ(english.text(*entry.error), c.message);
        EXPECT_TRUE(entry.shortages.empty()) << c.typed;
    }
}

}  // namespace
}  // namespace coinwell::core
