#include "console/TalvaneApp.h"

int main(int argc, char** argv) {
    return CTalvaneApp::Main(argc, argv);
}
