// Singly linked list demonstration: appends 1, 2 and 3 to a list that keeps both its ends,
// so that appending takes constant time, and writes the values run together ("123"). It
// reads no input.
#include <iostream>

// One value of the list and the link to the next. Made by addNode with every field set.
struct listNode {
    int data;
    listNode* nextNode; // null at the end of the list
};

// A singly linked list that keeps both ends, so appending takes constant time. The two
// ends are public so that code can walk the list from its head. Nodes are never released.
class linkedList {
  public:
    listNode* headNode; // the first node; null while the list is empty
    listNode* tailNode; // the last node; null while the list is empty

    linkedList() : headNode(nullptr), tailNode(nullptr) {}

    void addNode(int value)
    {
        listNode* newNode = new listNode{value, nullptr};
        if (headNode == nullptr) {
            headNode = newNode;
            tailNode = newNode;
            return;
        }
        tailNode->nextNode = newNode;
        tailNode = newNode;
    }

    // Writes every value, first to last, with nothing between or after them.
    void printList()
    {
        for (listNode* current = headNode; current != nullptr; current = current->nextNode) {
            std::cout << current->data;
        }
    }
};

int main()
{
    linkedList* list = new linkedList(); // kept, with its nodes, until the program ends
    list->addNode(1);
    list->addNode(2);
    list->addNode(3);
    list->printList();
    return 0;
}
