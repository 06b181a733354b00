// Writes the inputs of a cases file into a directory, one file per case named after it (the
// answers of an answer-by-answer case joined): the seed corpus of a fuzz target.
//   seed_corpus CASES_FILE DIRECTORY
#include <filesystem>
#include <fstream>
#include <iostream>

#include "dialogueCases.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: seed_corpus CASES_FILE DIRECTORY\n";
        return 2;
    }
    try {
        const std::filesystem::path directory = argv[2];
        std::filesystem::create_directories(directory);
        for (const DialogueCase& dialogueCase : readDialogueCases(argv[1])) {
            std::ofstream(directory / dialogueCase.name, std::ios::binary)
                << allInputOf(dialogueCase);
        }
    } catch (const std::exception& error) {
        std::cerr << "seed_corpus: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
