/*
 * VeskComm: remote control of studio flash units on a serial bus.
 *
 * A port is the bus master on one USB serial adapter: it searches an address
 * range of one studio, creates a unit record for every unit that answers the
 * identify request, keeps the focused unit polled and sends the caller's
 * commands. Nothing happens between calls: call VeskCommPortIdle about every
 * 100 ms; every callback runs inside VeskCommPortIdle or VeskCommPortClose,
 * on the caller's thread. The library starts no threads and takes no locks.
 *
 * Null handles make a function do nothing (getters return 0 or false).
 * No function throws: when memory runs out a call leaves its work undone
 * (VeskCommPortOpen returns a null port). Results of type bool are C99 bool
 * (0 or 1).
 */
#ifndef VESKCOMM_H
#define VESKCOMM_H

#ifdef __cplusplus
extern "C" {
#else
#include <stdbool.h>
#endif

#if defined(VESKCOMM_BUILD)
#define VESKCOMM_API __attribute__((visibility("default")))
#else
#define VESKCOMM_API
#endif

/* Opaque handles: a bus-master port and a unit record of a port. */
typedef struct VeskCommPort* VESKCOMM_PORT;
typedef struct VeskCommDevice* VESKCOMM_DEVICE;

/*
 * The caller's callback block, kept (not copied) by VeskCommInitialize: it
 * must stay alive while any port exists. Any callback may be null. pContext
 * is handed back as the first argument of every callback.
 *
 * A record is the decoded frame: count + 1 bytes, byte 0 the length (equal to
 * count), 1 studio, 2 address, 3 and 4 the record number high byte first,
 * 5 to count - 1 data, count the checksum. It is valid during the call only.
 */
typedef struct CommCallbacks {
    /* A unit was lost, or the port closes: the record dies after this call. */
    void (*pfnDeviceLost)(void* context, VESKCOMM_DEVICE device, void* guiDevice);
    /* A new unit record: the result is handed back as guiDevice later. */
    void* (*pfnDeviceFound)(void* context, VESKCOMM_DEVICE device);
    /* Which unit to keep polled: asked after a unit was found or lost. */
    VESKCOMM_DEVICE (*pfnGetFocusedDevice)(void* context);
    /* An accepted answer or broadcast for a unit. */
    void (*pfnDataReceived)(void* context, VESKCOMM_DEVICE device, void* guiDevice, const unsigned char* record,
                            int count);
    void* pContext;
} CommCallbacks;

/* Unit records. Names are copied into out: at most size - 1 characters, the
 * rest of out up to out[size - 1] filled with NUL. */
VESKCOMM_API unsigned char VeskCommDeviceGetAdresse(VESKCOMM_DEVICE device);
VESKCOMM_API unsigned char VeskCommDeviceGetEnergietyp(VESKCOMM_DEVICE device);
VESKCOMM_API void VeskCommDeviceGetGeraetetyp(VESKCOMM_DEVICE device, char* out, int size);
VESKCOMM_API void VeskCommDeviceGetGeraetetypKurz(VESKCOMM_DEVICE device, char* out, int size);
VESKCOMM_API int VeskCommDeviceGetPCKennwort(VESKCOMM_DEVICE device);
VESKCOMM_API unsigned char VeskCommDeviceGetRF_Stat(VESKCOMM_DEVICE device);
VESKCOMM_API int VeskCommDeviceGetVersion(VESKCOMM_DEVICE device);

/* Library set-up. VeskCommInitialize keeps the block and appends the attached
 * adapters to the port-name list (a second call lists them again). */
VESKCOMM_API void VeskCommFinalize(void);
VESKCOMM_API int VeskCommGetNumberOfPorts(void);
VESKCOMM_API const char* VeskCommGetPortName(int index);
VESKCOMM_API void VeskCommInitialize(const void* reserved, CommCallbacks* callbacks);

/* Ports. VeskCommPortOpen returns a port also when the adapter did not open
 * (VeskCommPortIsOpen tells); such a port sends and receives nothing. */
VESKCOMM_API void VeskCommPortClose(VESKCOMM_PORT port);
VESKCOMM_API void VeskCommPortIdle(VESKCOMM_PORT port);
VESKCOMM_API bool VeskCommPortIsOpen(VESKCOMM_PORT port);
VESKCOMM_API VESKCOMM_PORT VeskCommPortOpen(const char* portName, unsigned char studio, unsigned char lowestAddress,
                                            unsigned char highestAddress);
VESKCOMM_API void VeskCommPortSetDemo(VESKCOMM_PORT port);
VESKCOMM_API void VeskCommPortSetFocusedDevice(VESKCOMM_PORT port, VESKCOMM_DEVICE device);
VESKCOMM_API void VeskCommPortSetRange(VESKCOMM_PORT port, unsigned char lowestAddress, unsigned char highestAddress);
/* Sends one command: the caller lays its data into buffer[6 .. 5 + length];
 * the library writes the header into buffer[0 .. 5] and the checksum into
 * buffer[6 + length], so the buffer holds at least length + 7 bytes.
 * length is at most 249. */
VESKCOMM_API void VeskCommPortTransmit(VESKCOMM_PORT port, unsigned char* buffer, unsigned char length,
                                       unsigned char address, unsigned short command);

#ifdef __cplusplus
}
#endif

#endif
