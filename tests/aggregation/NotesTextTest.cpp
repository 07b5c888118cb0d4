#include <gtest/gtest.h>

#include "aggregation/NotesText.h"

namespace ferrolin {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitNotesText, SplitsAtEachCrLf) {
    struct Case {
        const char* name;
        std::string text;
        Lines lines;
    } cases[] = {
        {"no final line end", "a\r\nb", {"a", "b"}},
        {"empty line kept", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"no line end", "whole text", {"whole text"}},
        {"empty", "", {}},
        {"just a line end", "\r\n", {""}},
        {"lone CR and LF stay", "a\rb\nc\r\nd", {"a\rb\nc", "d"}},
        {"double-byte text", "\x92\x8D\x8B\x4C\r\n\x82\xA0", {"\x92\x8D\x8B\x4C", "\x82\xA0"}},
    };
    for (const Case& c : cases) {
        Lines notes = {"stale"};
        SplitNotesText(c.text, notes);
        EXPECT_EQ(notes, c.lines) << c.name;
    }
}

TEST(SplitNotesText, DecodesTheFiveEntities) {
    struct Case {
        std::string text, line;
    } cases[] = {
        {"&lt;T1&gt;x&amp;y&apos;z&quot;", "<T1>x&y'z\""},
        {"&amp;lt;", "<"},       // the ampersand encoded once more
        {"&amp;amp;", "&amp;"},  // one step decodes one level only
        {"&lt&gt;;", "&lt>;"},   // an unfinished entity stays
        {"&quot;&quot;", "\"\""},
    };
    for (const Case& c : cases) {
        Lines notes;
        SplitNotesText(c.text, notes);
        EXPECT_EQ(notes, Lines{c.line}) << c.text;
    }
}

}  // namespace
}  // namespace ferrolin
