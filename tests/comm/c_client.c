/* Another program driving the units through the C header and the shared
 * library alone: finds the unit on the bus it is given and prints it. */
#include <stdio.h>
#include <string.h>
#include <time.h>

#include "comm/VeskComm.h"

_Static_assert(sizeof(CommCallbacks) == 5 * sizeof(void*), "five pointer-sized members");

static int g_found;
static char g_model[64];
static char g_code[64];

static void* OnFound(void* context, VESKCOMM_DEVICE device)
{
    g_found = VeskCommDeviceGetAdresse(device);
    VeskCommDeviceGetGeraetetyp(device, g_model, sizeof g_model);
    VeskCommDeviceGetGeraetetypKurz(device, g_code, sizeof g_code);
    return context;
}

int main(int argc, char** argv)
{
    CommCallbacks callbacks = {NULL, OnFound, NULL, NULL, &g_found};
    const char* name = NULL;
    VESKCOMM_PORT port;
    int i;

    if (argc != 2)
        return 2;
    VeskCommInitialize(NULL, &callbacks);
    for (i = 0; i < VeskCommGetNumberOfPorts(); ++i) {
        if (strcmp(VeskCommGetPortName(i) + 1, argv[1]) == 0)
            name = VeskCommGetPortName(i);
    }
    if (!name) {
        fprintf(stderr, "%s is not listed\n", argv[1]);
        return 1;
    }
    port = VeskCommPortOpen(name, 1, 1, 4);
    if (!VeskCommPortIsOpen(port)) {
        fprintf(stderr, "%s did not open\n", name);
        return 1;
    }
    for (i = 0; i < 150 && !g_found; ++i) {
        const struct timespec tick = {0, 100000000L};
        VeskCommPortIdle(port);
        nanosleep(&tick, NULL);
    }
    VeskCommPortClose(port);
    VeskCommFinalize();
    printf("found %d \"%s\" \"%s\"\n", g_found, g_model, g_code);
    return g_found == 3 && strcmp(g_model, "Zarit 3200S") == 0 && strcmp(g_code, "-  Z32S") == 0 ? 0 : 1;
}
