#include <gtest/gtest.h>

#include <climits>

#include "consoleCapture.h"

// The program itself, with its entry renamed to programMain.
#include PROGRAM_SOURCE

namespace {

std::string printed(btree& tree)
{
    return runWithConsole("", [&tree] { tree.printTree(); });
}

btree treeOf(std::initializer_list<int> keys)
{
    btree tree;
    for (int key : keys) {
        tree.addData(key);
    }
    return tree;
}

TEST(Btree, EmptyTree)
{
    btree tree;
    EXPECT_EQ(printed(tree), "Tree is empty\n");
    EXPECT_EQ(tree.getRoot(), nullptr);
    EXPECT_EQ(tree.size(tree.getRoot()), 0);
    EXPECT_EQ(tree.minValue(tree.getRoot()), INT_MAX);
}

TEST(Btree, SingleKey)
{
    btree tree = treeOf({-7});
    EXPECT_EQ(printed(tree), "-7 \n");
    EXPECT_EQ(tree.size(tree.getRoot()), 1);
    EXPECT_EQ(tree.minValue(tree.getRoot()), -7);
}

TEST(Btree, EqualKeysAreKeptToTheRight)
{
    btree tree = treeOf({5, 5});
    node* root = tree.getRoot();
    ASSERT_NE(root->rightChild, nullptr);
    EXPECT_EQ(root->rightChild->data, 5);
    EXPECT_EQ(root->leftChild, nullptr);
    EXPECT_EQ(tree.size(root), 2);
    EXPECT_EQ(printed(tree), "5 5 \n");
}

TEST(Btree, DescendingKeysFormALeftChain)
{
    btree tree = treeOf({3, 2, 1});
    node* root = tree.getRoot();
    EXPECT_EQ(root->leftChild->data, 2);
    EXPECT_EQ(root->leftChild->leftChild->data, 1);
    EXPECT_EQ(root->rightChild, nullptr);
    EXPECT_EQ(printed(tree), "1 2 3 \n");
    EXPECT_EQ(tree.minValue(root), 1);
}

TEST(Btree, DemonstrationShapeAndSubtreeCalls)
{
    btree tree = treeOf({5, 1, 2, -2, 6, 7});
    node* root = tree.getRoot();
    EXPECT_EQ(root->data, 5);
    EXPECT_EQ(root->leftChild->data, 1);
    EXPECT_EQ(root->rightChild->data, 6);
    EXPECT_EQ(root->leftChild->leftChild->data, -2);
    EXPECT_EQ(root->leftChild->rightChild->data, 2);
    EXPECT_EQ(root->rightChild->rightChild->data, 7);
    // size, minValue and printNode work on the subtree they are given.
    EXPECT_EQ(tree.size(root->leftChild), 3);
    EXPECT_EQ(tree.minValue(root->rightChild), 6); // no left child: the subtree's own key
    EXPECT_EQ(runWithConsole("", [&] { tree.printNode(root->rightChild); }), "6 7 ");
}

TEST(Btree, ExtremeKeysCompareAsSigned)
{
    btree tree = treeOf({0, INT_MIN, INT_MAX, -1});
    EXPECT_EQ(printed(tree), "-2147483648 -1 0 2147483647 \n");
    EXPECT_EQ(tree.minValue(tree.getRoot()), INT_MIN);
}

TEST(Btree, AscendingKeysFormARightChain)
{
    btree tree;
    for (int key = 0; key < 2000; ++key) {
        tree.addData(key); // ascending keys: each goes one level deeper
    }
    node* deepest = tree.getRoot();
    int depth = 1;
    while (deepest->rightChild != nullptr) {
        deepest = deepest->rightChild;
        ++depth;
    }
    EXPECT_EQ(depth, 2000);
    EXPECT_EQ(deepest->data, 1999);
}

// Each of the first three lines is ended with a flush, so each is visible as soon as it is
// written; the last line is left open.
TEST(Demonstration, EndsItsFirstThreeLinesWithAFlush)
{
    const FlushedConsole console = runRecordingFlushes("", [] { programMain(); });
    ASSERT_EQ(console.output, "-2 1 2 5 6 7 \n\n6\n-2");
    for (const std::size_t lineEnd : {std::size_t{14}, std::size_t{15}, std::size_t{17}}) {
        EXPECT_TRUE(console.flushedAfter(lineEnd))
            << "no flush after the line ending at " << lineEnd;
    }
}

} // namespace
