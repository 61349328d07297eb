#include "pages/infos/InfosPageTables.h"

#include <utility>

bool ShownWhen::Holds(int serviceLevel) const
{
    switch (op) {
    case Never:
        return false;
    case Equal:
        return serviceLevel == level;
    case NotEqual:
        return serviceLevel != level;
    case AtLeast:
        return serviceLevel >= level;
    case Below:
        return serviceLevel < level;
    }
    return false;
}

namespace {

const ShownWhen kNever{ShownWhen::Never, 0};

ShownWhen Is(int level)
{
    return {ShownWhen::Equal, level};
}

ShownWhen Not(int level)
{
    return {ShownWhen::NotEqual, level};
}

ShownWhen AtLeast(int level)
{
    return {ShownWhen::AtLeast, level};
}

ShownWhen Below(int level)
{
    return {ShownWhen::Below, level};
}

// A row alike for every model.
ServiceRow Row(std::vector<const char*> controls, ShownWhen shown)
{
    return {std::move(controls), shown, shown};
}

// The service group with its rows of voltages and frequency.
// clang-format off
const std::vector<const char*> kServiceGroup = {
    "IDC_IN_SERVICE_GROUP", "IDC_IN_LINE_V",      "IDC_IN_LINE_V_LA",      "IDC_IN_LINE_F",
    "IDC_IN_LINE_F_LA",     "IDC_IN_SOLL_FLASH_V", "IDC_IN_POS_FLASH_V",    "IDC_IN_POS_FLASH_V_LA",
    "IDC_IN_NEG_FLASH_V",   "IDC_IN_NEG_FLASH_V_LA",
};
// clang-format on

}  // namespace

const ServiceTable kServiceLevelsQuirelA1 = {
    Row(kServiceGroup, Not(0)),
    Row({"IDC_IN_DATE_TOVR"}, AtLeast(2)),
    Row({"IDC_IN_DATE_TOVR_STAT"}, Is(1)),
    Row({"IDC_IN_DATE_TOVR_LA", "IDC_IN_DATE_SERVICE", "IDC_IN_DATE_SERVICE_LA", "IDC_IN_OWNER_SERVICE",
         "IDC_IN_OWNER_SERVICE_LA", "IDC_IN_DELIVERY"},
        Not(0)),
    Row({"IDC_IN_OWNER", "IDC_IN_OWNER_LA"}, Is(0)),
    Row({"IDC_IN_DELIVERY_STAT"}, Below(1)),
    Row({"IDC_IN_SER"}, AtLeast(2)),
    Row({"IDC_IN_SER_STAT"}, Below(2)),
};

const ServiceTable kServiceLevelsTiko = {
    Row({"IDC_IN_SERVICE_GROUP", "IDC_IN_LINE_V", "IDC_IN_LINE_V_LA", "IDC_IN_LINE_F", "IDC_IN_LINE_F_LA",
         "IDC_IN_SOLL_FLASH_V", "IDC_IN_NEG_FLASH_V", "IDC_IN_NEG_FLASH_V_LA", "IDC_IN_DELIVERY"},
        Not(0)),
    Row({"IDC_IN_DELIVERY_STAT"}, Below(1)),
    {{"IDC_IN_POS_FLASH_V", "IDC_IN_POS_FLASH_V_LA"}, Not(0), kNever},
    {{"IDC_IN_SER"}, AtLeast(2), Not(0)},
    {{"IDC_IN_SER_STAT"}, Below(2), Is(0)},
    Row({"IDC_IN_DATE_TOVR", "IDC_IN_DATE_TOVR_STAT", "IDC_IN_DATE_TOVR_LA", "IDC_IN_VNOW", "IDC_INF_LB_ACTUAL_1",
         "IDC_IN_DATE_SERVICE", "IDC_IN_DATE_SERVICE_LA", "IDC_IN_OWNER_SERVICE", "IDC_IN_OWNER_SERVICE_LA",
         "IDC_IN_OWNER", "IDC_IN_OWNER_LA"},
        kNever),
};

// The line frequency's label and the nominal flash voltage stay as the panel
// has them.
const ServiceTable kServiceLevelsZarit = {
    Row({"IDC_IN_SERVICE_GROUP", "IDC_IN_LINE_V", "IDC_IN_LINE_V_LA", "IDC_IN_LINE_F", "IDC_IN_POS_FLASH_V",
         "IDC_IN_POS_FLASH_V_LA", "IDC_IN_NEG_FLASH_V", "IDC_IN_NEG_FLASH_V_LA"},
        AtLeast(2)),
    Row({"IDC_IN_DATE_TOVR"}, AtLeast(3)),
    Row({"IDC_IN_DATE_TOVR_STAT"}, Is(2)),
    Row({"IDC_IN_DATE_TOVR_LA", "IDC_IN_DATE_SERVICE", "IDC_IN_DATE_SERVICE_LA", "IDC_IN_OWNER_SERVICE",
         "IDC_IN_OWNER_SERVICE_LA", "IDC_IN_DELIVERY", "IDC_IN_SER"},
        AtLeast(2)),
    Row({"IDC_IN_OWNER", "IDC_IN_OWNER_LA", "IDC_IN_DELIVERY_STAT", "IDC_IN_SER_STAT"}, Below(2)),
};

// clang-format off
const ServiceTable kServiceLevelsNuvek = {
    Row(kServiceGroup, kNever),
    Row({"IDC_IN_DELIVERY"}, Not(0)),
    Row({"IDC_IN_DELIVERY_STAT"}, Below(1)),
    Row({"IDC_IN_SER"}, AtLeast(2)),
    Row({"IDC_IN_SER_STAT"}, Below(2)),
};
// clang-format on

// clang-format off
const std::vector<InfoCaption> kInfoCaptions = {
    {"IDC_IN_OWNER_LA", 2053, nullptr},
    {"IDC_IN_GROUP", 2054, nullptr},
    {"IDC_INF_LB_TYPE_1", 2055, nullptr},
    {"IDC_INF_LB_VERSION_1", 2056, nullptr},
    {"IDC_INF_LB_DELIVERY_1", 2057, nullptr},
    {"IDC_INF_LB_VVERSION_1", 2058, nullptr},
    {"IDC_INF_LB_ACTUAL_1", 2059, nullptr},
    {"IDC_INF_LB_SERIAL_1", 2060, nullptr},
};
// clang-format on

const std::vector<InfoCaption> kInfoCaptionsTiko = {
    {"IDC_IN_OWNER_LA", 2053, nullptr},
    {"IDC_IN_GROUP", 2054, nullptr},
    {"IDC_INF_LB_TYPE_1", 2055, nullptr},
    {"IDC_INF_LB_VERSION_1", 2056, nullptr},
    {"IDC_INF_LB_DELIVERY_1", 2057, nullptr},
    {"IDC_INF_LB_VVERSION_1", 2058, nullptr},
    {"IDC_INF_LB_ACTUAL_1", 2059, nullptr},
    {"IDC_INF_LB_SERIAL_1", 2060, nullptr},
    {"IDC_IN_POS_FLASH_V_LA", 0, "flash voltage"},
    {"IDC_IN_NEG_FLASH_V_LA", 0, "total flash voltage"},
};

// clang-format off
const std::vector<InfoCaption> kInfoCaptionsNuvek = {
    {"IDC_IN_OWNER_LA", 2053, nullptr},
    {"IDC_IN_GROUP", 2054, nullptr},
    {"IDC_INF_LB_TYPE_1", 2055, nullptr},
    {"IDC_INF_LB_VERSION_1", 2056, nullptr},
    {"IDC_INF_LB_DELIVERY_1", 2057, nullptr},
    {"IDC_INF_LB_VVERSION_1", 2058, nullptr},
    {"IDC_INF_LB_SERIAL_1", 2060, nullptr},
};
// clang-format on
