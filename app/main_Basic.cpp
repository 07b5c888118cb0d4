// The Basic edition of the program.

#include "app/main/EditionMain.h"

int main(int argc, char** argv) {
    return ferrolin::EditionMain(ferrolin::BasicEdition(), argc, argv);
}
