#include "sortImplementation.h"

namespace {

// Addition and subtraction modulo 2^32. They are done in unsigned arithmetic, which wraps
// by definition; in int the sum of two large values would overflow, which is undefined.
int wrappingAdd(int x, int y)
{
    return static_cast<int>(static_cast<unsigned int>(x) + static_cast<unsigned int>(y));
}

int wrappingSubtract(int x, int y)
{
    return static_cast<int>(static_cast<unsigned int>(x) - static_cast<unsigned int>(y));
}

} // namespace

void reSeparateArray(int* arr, int last, int index, int value)
{
    for (int i = last; i > index; --i) {
        arr[i] = arr[i - 1];
    }
    arr[index] = value;
}

void swap(int& a, int& b)
{
    if (&a == &b) {
        return; // the steps below would turn a single object into 0
    }
    a = wrappingAdd(a, b);      // a holds the sum
    b = wrappingSubtract(a, b); // b holds the former a
    a = wrappingSubtract(a, b); // a holds the former b
}

void insertionSort(int* arr, int size)
{
    for (int i = 1; i < size; ++i) {
        const int value = arr[i];
        // Find the nearest element to the left that is strictly smaller; equal ones are
        // passed over, so the value lands in front of them. j is -1 when there is none.
        int j = i - 1;
        while (j >= 0 && !(value > arr[j])) {
            --j;
        }
        reSeparateArray(arr, i, j + 1, value);
    }
}

void selectionSort(int* arr, int size)
{
    // i + 1 < size rather than i < size - 1, which would overflow for the smallest int.
    for (int i = 0; i + 1 < size; ++i) {
        int minIndex = i;
        for (int j = i + 1; j < size; ++j) {
            if (arr[j] < arr[minIndex]) {
                minIndex = j;
            }
        }
        if (minIndex != i) {
            swap(arr[i], arr[minIndex]);
        }
    }
}

void interchangeSort(int* arr, int size)
{
    for (int i = 0; i + 1 < size; ++i) {
        for (int j = i + 1; j < size; ++j) {
            if (arr[j] < arr[i]) {
                swap(arr[j], arr[i]);
            }
        }
    }
}
