// The command line is ignored: everything the game needs is in its data.
#include "app/startup.h"

int main() { return aw::runApplication(); }
