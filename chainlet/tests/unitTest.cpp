#include <gtest/gtest.h>

#include <climits>

#include "consoleCapture.h"

// The program itself, with its entry renamed to programMain.
#include PROGRAM_SOURCE

namespace {

std::string printed(linkedList& list)
{
    return runWithConsole("", [&list] { list.printList(); });
}

TEST(LinkedList, EmptyListWritesNothing)
{
    linkedList list;
    EXPECT_EQ(list.headNode, nullptr);
    EXPECT_EQ(list.tailNode, nullptr);
    EXPECT_EQ(printed(list), "");
}

TEST(LinkedList, AppendKeepsHeadAndMovesTail)
{
    linkedList list;
    list.addNode(1);
    EXPECT_EQ(list.headNode, list.tailNode);
    EXPECT_EQ(list.headNode->nextNode, nullptr);
    listNode* first = list.headNode;
    list.addNode(2);
    EXPECT_EQ(list.headNode, first);
    EXPECT_EQ(first->nextNode, list.tailNode);
    EXPECT_EQ(list.tailNode->data, 2);
    EXPECT_EQ(list.tailNode->nextNode, nullptr);
}

TEST(LinkedList, ValuesRunTogether)
{
    const struct {
        std::initializer_list<int> values;
        const char* text;
    } cases[] = {
        {{1, 2, 3}, "123"},
        {{12, 3}, "123"},
        {{-1, 2}, "-12"},
        {{7, 7, 7}, "777"},
        {{INT_MIN, INT_MAX}, "-21474836482147483647"},
    };
    for (const auto& c : cases) {
        linkedList list;
        for (int value : c.values) {
            list.addNode(value);
        }
        EXPECT_EQ(printed(list), c.text);
    }
}

TEST(LinkedList, PrintingTwiceLeavesTheListAsItWas)
{
    linkedList list;
    list.addNode(4);
    list.addNode(5);
    EXPECT_EQ(printed(list) + printed(list), "4545");
    EXPECT_EQ(list.tailNode->data, 5);
}

} // namespace
