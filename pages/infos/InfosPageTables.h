// What the information pages show at each service level the unit reports,
// and the captions they write: one table per family layout.
#pragma once

#include <vector>

// When a control shows, by the unit's service level.
struct ShownWhen {
    enum Op { Never, Equal, NotEqual, AtLeast, Below };
    Op op;
    int level;

    bool Holds(int serviceLevel) const;
};

// Controls that show under one condition; for the models that the page's
// traits name (InfosPageTraits::modelRows) a row may have a condition of its
// own.
struct ServiceRow {
    std::vector<const char*> controls;
    ShownWhen shown;
    ShownWhen shownForModel;
};

using ServiceTable = std::vector<ServiceRow>;

// A caption: the text of textId in the page's language, or, where textId is
// 0, a fixed text.
struct InfoCaption {
    const char* control;
    int textId;
    const char* fixed;
};

// QuirelA1: 0 user, 1 service, 2 and above factory.
extern const ServiceTable kServiceLevelsQuirelA1;
// Tiko: some rows by model (the Sorvant and Hexor lines).
extern const ServiceTable kServiceLevelsTiko;
// Zarit and ZaritE: 0 and 1 user, 2 service, 3 and above factory.
extern const ServiceTable kServiceLevelsZarit;
// Nuvek and Ribex: no service group.
extern const ServiceTable kServiceLevelsNuvek;

extern const std::vector<InfoCaption> kInfoCaptions;
extern const std::vector<InfoCaption> kInfoCaptionsTiko;
extern const std::vector<InfoCaption> kInfoCaptionsNuvek;
