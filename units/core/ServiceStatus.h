// Record 100, the service status that every family's unit sends in the same
// layout: readiness, service level and, at a service level above 0, the
// measured voltages. The families differ only in the voltage factors.
#pragma once

#include <optional>
#include <string>

class RecordView;

// Each flash voltage is the byte times its factor / 10000, cut to a whole
// number.
struct ServiceFactors {
    int positive;
    int negative;
    int nominal;
    int voltageLevel = 1;    // the lowest service level that shows the voltages
    bool hasNominal = true;  // a record longer than 11 bytes carries the nominal voltage
};

// The texts of the information page's service fields ("%0i" numbers).
struct ServiceVoltages {
    std::string positive;
    std::string negative;
    std::string line;
    std::string frequency;
    std::optional<std::string> nominal;  // only when the record is longer than 11 bytes
};

struct ServiceStatus {
    bool ready = false;                       // LED green (2) when set, else red (1)
    int level = 0;                            // the page hands it on only when it changed
    std::optional<ServiceVoltages> voltages;  // only from the factors' voltage level on
};

// Empty when the record is too short: the level needs byte 6, the voltages
// byte 10, and a record whose length byte is above 11 byte 11 where the
// family has a nominal voltage.
std::optional<ServiceStatus> DecodeServiceStatus(const RecordView& record, const ServiceFactors& factors);
