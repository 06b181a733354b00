#pragma once

// In-place routines on caller-owned arrays of int. Nothing is allocated, read or written
// beyond the elements named, and no state is kept between calls. No routine checks its
// arguments: `arr` must give access to the elements that a call uses.

// Moves arr[index] .. arr[last - 1] one place up, to arr[index + 1] .. arr[last], copying
// from the top down, then stores `value` at arr[index]. The element at `last` is
// overwritten. When last <= index only arr[index] is written.
void reSeparateArray(int* arr, int last, int index, int value);

// Exchanges the two values by sum and difference, without a temporary, exactly for every
// pair of ints. Given the same object twice, it leaves its value unchanged.
void swap(int& a, int& b);

// Sort arr[0] .. arr[size - 1] ascending. A size of 1 or less touches nothing.
// Insertion: each element is placed in front of the elements equal to it, through
// reSeparateArray, which is called once for every element after the first.
void insertionSort(int* arr, int size);
// Selection: the lowest-indexed smallest value is exchanged into place, only when it is not
// already there; at most size - 1 exchanges, never of two equal values.
void selectionSort(int* arr, int size);
// Interchange: each element is exchanged with every later element strictly smaller than it.
void interchangeSort(int* arr, int size);
