// The Tessel edition of the program.

#include "app/main/EditionMain.h"

int main(int argc, char** argv) {
    return ferrolin::EditionMain(ferrolin::TesselEdition(), argc, argv);
}
