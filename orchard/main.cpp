// Binary search tree demonstration: inserts the keys 5, 1, 2, -2, 6 and 7 into an unbalanced
// tree, then writes its keys in order, an empty line, its node count and its smallest key. It
// reads no input.
#include <iostream>
#include <limits>

// One key of the tree with its two subtrees. Made by btree::addData with every field set.
struct node {
    int data;
    node* leftChild;  // keys smaller than data; null when empty
    node* rightChild; // keys greater than or equal to data; null when empty
};

// An unbalanced binary search tree of ints. Equal keys are all kept: a later equal key goes
// to the right of the earlier one. Nodes are never released, not even with the tree object.
class btree {
  public:
    btree() : rootNode(nullptr) {}

    void addData(int key)
    {
        node* newNode = new node{key, nullptr, nullptr};
        if (rootNode == nullptr) {
            rootNode = newNode;
            return;
        }
        // Descend in a loop, so that insertion needs no stack however tall the tree grows.
        node* current = rootNode;
        while (true) {
            node*& child = key < current->data ? current->leftChild : current->rightChild;
            if (child == nullptr) {
                child = newNode;
                return;
            }
            current = child;
        }
    }

    // Writes every key in ascending order, each followed by a blank, and ends the line.
    void printTree()
    {
        if (rootNode == nullptr) {
            std::cout << "Tree is empty" << std::endl;
            return;
        }
        printNode(rootNode);
        std::cout << std::endl;
    }

    // Writes the keys of the subtree under `top` in ascending order, each followed by a blank.
    void printNode(node* top)
    {
        if (top == nullptr) {
            return;
        }
        printNode(top->leftChild);
        std::cout << top->data << " ";
        printNode(top->rightChild);
    }

    // The number of nodes in the subtree under `top`.
    int size(node* top)
    {
        if (top == nullptr) {
            return 0;
        }
        return 1 + size(top->rightChild) + size(top->leftChild);
    }

    node* getRoot() { return rootNode; }

    // The smallest key in the subtree under `top`. An empty subtree has no smallest key;
    // it gives the largest int, which is what a running minimum starts from.
    int minValue(node* top)
    {
        if (top == nullptr) {
            return std::numeric_limits<int>::max();
        }
        if (top->leftChild == nullptr) {
            return top->data;
        }
        return minValue(top->leftChild);
    }

  private:
    node* rootNode;
};

int main()
{
    btree* tree = new btree();
    tree->addData(5);
    tree->addData(1);
    tree->addData(2);
    tree->addData(-2);
    tree->addData(6);
    tree->addData(7);
    tree->printTree();
    std::cout << std::endl;
    std::cout << tree->size(tree->getRoot()) << std::endl;
    std::cout << tree->minValue(tree->getRoot());
    delete tree; // the tree object only: its nodes stay allocated until the program ends
    return 0;
}
