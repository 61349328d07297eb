#!/bin/sh
# The shared library exports the VeskComm functions and nothing else.
expected="VeskCommDeviceGetAdresse VeskCommDeviceGetEnergietyp VeskCommDeviceGetGeraetetyp
VeskCommDeviceGetGeraetetypKurz VeskCommDeviceGetPCKennwort VeskCommDeviceGetRF_Stat
VeskCommDeviceGetVersion VeskCommFinalize VeskCommGetNumberOfPorts VeskCommGetPortName
VeskCommInitialize VeskCommPortClose VeskCommPortIdle VeskCommPortIsOpen VeskCommPortOpen
VeskCommPortSetDemo VeskCommPortSetFocusedDevice VeskCommPortSetRange VeskCommPortTransmit"
actual=$(nm -D --defined-only "$1" | awk '$2 != "A" {print $3}' | sort | tr '\n' ' ')
wanted=$(echo $expected | tr ' ' '\n' | sort | tr '\n' ' ')
[ "$actual" = "$wanted" ] && exit 0
echo "exported: $actual"
echo "expected: $wanted"
exit 1
