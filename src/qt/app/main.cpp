#include "qt/app/startup.h"

int main(int argc, char** argv)
{
    return vantorelle::runVantorelle(argc, argv);
}
