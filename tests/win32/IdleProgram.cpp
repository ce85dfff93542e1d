// Stands in for a program that runs beside Orvane (the game, copied under
// its name): it does nothing for half a minute at most, so that a test
// that fails to end it leaves nothing running for long.
#include <windows.h>

int main()
{
    Sleep(30000);
    return 0;
}
