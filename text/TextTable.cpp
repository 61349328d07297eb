// The texts are UTF-8 in this UTF-8 source; one row per English number with
// the German, French and Spanish texts beside it, so a row is translated as
// a whole and no language can lack a number that another has.
#include "text/TextTable.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

constexpr int kLanguages = 4;
constexpr int kLanguageStep = 500;
constexpr int kFirstEnglish = 2001;

struct TextRow {
    int id;                        // English number
    const char* text[kLanguages];  // English, German, French, Spanish
};

// clang-format off
constexpr TextRow kTexts[] = {
    {2001, {"english", "deutsch", "français", "español"}},
    {2002, {"studio", "Studio", "studio", "estudio"}},
    {2003, {"com ", "com ", "com ", "com "}},
    {2008, {"address", "Adresse", "adresse", "dirección"}},
    {2009, {"to", "bis", "à", "hasta"}},
    {2010, {"the communications port couldn't be opened.", "Das Kommunikationsport kann nicht geöffnet werden",
            "le port de communication ne peut être ouvert ", "El puerto de comunicación no se puede abrir"}},
    {2011, {"unit", "Gerät", "appareil", "aparato"}},
    {2012, {"options", "Optionen", "options", "opciones"}},
    {2013, {"infos", "Infos", "infos", "info"}},
    {2014, {"auxiliary flash functions", "Blitz-Zusatzfunktionen", "fonctions flash auxiliaires",
            "funciones auxiliares de flash"}},
    {2015, {"lamp", "Lampe", "lampe", "lámpara"}},
    {2016, {"memory", "Speicher", "mémoire", "memoria"}},
    {2017, {"sequence", "Blitzfolge", "séquence", "secuencia"}},
    {2018, {"flash duration t0.1 opt.", "Blitzdauer t0.1 opt.", "durée d'éclair t0.1 opt.",
            "duración del destello t0.1 ópt."}},
    {2019, {"flash duration t0.1", "Blitzdauer t0.1", "durée d'éclair t0.1", "duración del destello t0.1"}},
    {2020, {"flash duration t0.1 min.", "Blitzdauer t0.1 min.", "durée d'éclair t0.1 min.",
            "duración del destello t0.1 mín."}},
    {2021, {"Pr", "Pr", "Fix", "Pr"}},
    {2022, {"interval", "Intervall", "intervalle", "intervalo"}},
    {2023, {"delay", "Verzögerung", "retard", "retardo"}},
    {2024, {"preset sequence", "programmierte Blitzfolge", "séquence préprogrammée", "secuencia predefinida"}},
    {2025, {"alternate the order", "Reihenfolge wechseln", "alterner l'ordre", "alternar el orden"}},
    {2026, {"energy", "Energie", "énergie", "energía"}},
    {2027, {"on", "ein", "on", "on"}},
    {2028, {"off", "aus", "off", "off"}},
    {2029, {"reset", "zurücksetzen", "réinitialiser", "restablecer"}},
    {2030, {"help sequence", "Hilfe Blitzfolge", "aide séquence", "ayuda secuencia"}},
    {2031, {"each sync. signal will trigger the selected number of flashes",
            "jedes Synchronsignal löst die gewählte Anzahl von Blitzen aus",
            "chaque signal de synchro déclenche le nombre d'éclairs choisi",
            "cada señal de sincr. dispara el número de destellos seleccionado"}},
    {2032, {"Help flash duration t0.1", "Hilfe Blitzdauer t0.1", "Aide durée d'éclair t0.1",
            "Ayuda duración del destello t0.1"}},
    {2033, {"set to 'optimum' will autoselect the flash duration t01 for best color balance. set to 'minimum' "
            "will autoselect the shortest possible flash duration t01 for the selected power setting. "
            "Intermediate value possible.",
            "bei 'Optimum' wird die Blitzdauer t01 für die beste Farbbalance automatisch gewählt. bei 'Minimum' "
            "wird die kürzestmögliche Blitzdauer t01 für die gewählte Leistung automatisch gewählt. "
            "Zwischenwerte möglich.",
            "réglé sur 'optimum', la durée d'éclair t01 est choisie automatiquement pour le meilleur équilibre "
            "des couleurs. réglé sur 'minimum', la durée d'éclair t01 la plus courte possible est choisie "
            "automatiquement pour la puissance réglée. Valeur intermédiaire possible.",
            "en 'óptimo' se selecciona automáticamente la duración del destello t01 para el mejor equilibrio "
            "de color. en 'mínimo' se selecciona automáticamente la duración del destello t01 más corta "
            "posible para la potencia ajustada. Valor intermedio posible."}},
    {2034, {"help interval", "Hilfe Intervall", "aide intervalle", "ayuda intervalo"}},
    {2035, {"time between two consecutive flashes of a sequence",
            "Zeit zwischen zwei aufeinanderfolgenden Blitzen einer Blitzfolge",
            "temps entre deux éclairs consécutifs d'une séquence",
            "tiempo entre dos destellos consecutivos de una secuencia"}},
    {2036, {"help delay", "Hilfe Verzögerung", "aide retard", "ayuda retardo"}},
    {2037, {"time delay between triggering and (first) flash", "Verzögerung zwischen Auslösung und (erstem) Blitz",
            "retard entre le déclenchement et le (premier) éclair",
            "retardo entre el disparo y el (primer) destello"}},
    {2038, {"help preset sequence", "Hilfe programmierte Blitzfolge", "aide séquence préprogrammée",
            "ayuda secuencia predefinida"}},
    {2039, {"allows to use preset flash sequences with varying power and intervals",
            "ermöglicht programmierte Blitzfolgen mit wechselnder Leistung und wechselnden Intervallen",
            "permet d'utiliser des séquences d'éclairs préprogrammées avec puissance et intervalles variables",
            "permite usar secuencias de destellos predefinidas con potencia e intervalos variables"}},
    {2040, {"help alternate", "Hilfe Wechselauslösung", "aide alternance", "ayuda alternancia"}},
    {2041, {"for alternate triggering of two units give each unit a different number ( ping pong )",
            "für die wechselnde Auslösung von zwei Geräten jedem Gerät eine andere Nummer geben ( Ping Pong )",
            "pour le déclenchement alterné de deux appareils donner à chaque appareil un numéro différent "
            "( ping pong )",
            "para el disparo alterno de dos aparatos dar a cada aparato un número diferente ( ping pong )"}},
    {2042, {"store aux. flash functions", "Zusatzfunktionen speichern", "mémoriser fonctions aux.",
            "memorizar funciones aux."}},
    {2043, {"preset sequence time", "Zeit programmierte Blitzfolge", "durée séquence préprogrammée",
            "tiempo secuencia predefinida"}},
    {2044, {"recycling", "Ladezeit", "recyclage", "reciclaje"}},
    {2045, {"flash infos", "Blitzinfos", "infos flash", "info destellos"}},
    {2046, {"reduced modelling light during recycling", "reduziertes Einstelllicht während des Ladens",
            "lampe pilote réduite pendant le recyclage", "luz de modelado reducida durante el reciclaje"}},
    {2047, {"slow recycling", "langsames Laden", "recyclage lent", "reciclaje lento"}},
    {2048, {"ready buzzer", "Bereitschaftssummer", "bip de disponibilité", "aviso acústico"}},
    {2049, {"flash counter", "Blitzzähler", "compteur d'éclairs", "contador de destellos"}},
    {2050, {"total counter", "Gesamtzähler", "compteur total", "contador total"}},
    {2051, {"power display", "Leistungsanzeige", "affichage puissance", "indicación de potencia"}},
    {2052, {"ir-address", "IR-Adresse", "adresse ir", "dirección ir"}},
    {2053, {"owner", "Besitzer", "propriétaire", "propietario"}},
    {2054, {"device info", "Geräteinfo", "info appareil", "info aparato"}},
    {2055, {"type", "Typ", "type", "tipo"}},
    {2056, {"prog. version", "Prog. Version", "version prog.", "versión prog."}},
    {2057, {"delivery", "Auslieferung", "livraison", "entrega"}},
    {2058, {"voltage version", "Spannungsversion", "version tension", "versión de tensión"}},
    {2059, {"actual voltage", "aktuelle Spannung", "tension actuelle", "tensión actual"}},
    {2060, {"serial nr.", "Serien-Nr.", "n° de série", "n.º de serie"}},
    {2061, {"set to prop", "auf prop stellen", "régler sur prop", "ajustar a prop"}},
    {2062, {"modeling light", "Einstelllicht", "lampe pilote", "luz de modelado"}},
    {2063, {"full", "voll", "pleine", "plena"}},
    {2064, {"low", "reduziert", "réduite", "reducida"}},
    {2065, {"prop ", "prop ", "prop ", "prop "}},
    {2066, {"p. max", "L. max", "p. max", "p. máx"}},
    {2067, {"cell", "Zelle", "cellule", "célula"}},
    {2068, {"ir", "IR", "ir", "ir"}},
    {2069, {"test", "Test", "test", "prueba"}},
    {2070, {"sugested settings", "empfohlene Einstellungen", "réglages suggérés", "ajustes sugeridos"}},
    {2071, {"flash control", "Blitzkontrolle", "contrôle flash", "control de flash"}},
    {2072, {"ok", "ok", "ok", "ok"}},
    {2073, {", use outlet 1 or 2 if possible", ", möglichst Ausgang 1 oder 2 verwenden",
            ", utiliser si possible la sortie 1 ou 2", ", usar la salida 1 o 2 si es posible"}},
    {2074, {"exit", "beenden", "quitter", "salir"}},
    {2075, {"zoom", "Zoom", "zoom", "zoom"}},
    {2076, {"serial port", "serielle Schnittstelle", "port série", "puerto serie"}},
    {2077, {"studio number", "Studionummer", "numéro de studio", "número de estudio"}},
    {2078, {"about vesk studio", "Info über vesk -  Studio", "information sur studio vesk",
            "info sobre vesk estúdio"}},
    {2079, {"lowest unit address", "niedrigste Geräteadresse", "adresse d'appareil la plus basse",
            "dirección de aparato más baja"}},
    {2080, {"highest unit address", "höchste Geräteadresse", "adresse d'appareil la plus haute",
            "dirección de aparato más alta"}},
    {2081, {"language", "Sprache", "langue", "idioma"}},
    {2082, {"stores aux. flash functions when unit is turned off",
            "speichert die Zusatzfunktionen beim Ausschalten des Gerätes",
            "mémorise les fonctions aux. à l'arrêt de l'appareil", "memoriza las funciones aux. al apagar el aparato"}},
    {2083, {"switches off all auxiliary functions", "schaltet alle Zusatzfunktionen aus",
            "désactive toutes les fonctions auxiliaires", "desactiva todas las funciones auxiliares"}},
    {2084, {"ser. nr.", "Serie Nr.", "no. de série", "número de serie"}},
    {2085, {"1/10 f-stop max.", "1/10 Blende max.", "1/10 de diaphragme  max.", "1/10 diafrágma max"}},
    {2086, {"1/3 f-stop", "1/3 Blende", "1/3 de diaphragme", "1/3 diafrágma"}},
    {2087, {"channel", "Kanal", "canal", "canal"}},
    {2088, {"all", "alle", "tous", "todos"}},
    {2089, {"bivoltage", "Bivoltage", "bitension", "bitensión"}},
    {2090, {"batterie", "Batterie", "batterie", "batería"}},
    {2091, {"standard", "Standard", "standard", "estándar"}},
    {2092, {"info memory", "Info-Speicher", "mémoire info", "memoria info"}},
    {2093, {"recall", "abrufen", "rappeler", "recuperar"}},
    {2094, {"store", "speichern", "mémoriser", "memorizar"}},
    {2095, {"flash duration", "Blitzdauer", "durée d'éclair", "duración del destello"}},
    {2096, {"flash duration approx.", "Blitzdauer ca.", "durée d'éclair env.", "duración del destello aprox."}},
    {2097, {"min", "min", "min", "mín"}},
    {2098, {"opt", "opt", "opt", "ópt"}},
    {2099, {"pr. seq.", "progr. Folge", "séq. pr.", "sec. pr."}},
    {2100, {"nr.", "Nr.", "n°", "n.º"}},
    {2101, {"no flash units could be found", "es wurden keine Blitzgeräte gefunden",
            "aucun appareil flash n'a été trouvé", "no se ha encontrado ningún aparato de flash"}},
    {2102, {"please switch on all units", "bitte alle Geräte einschalten", "veuillez allumer tous les appareils",
            "encienda todos los aparatos, por favor"}},
    {2103, {"units with same address cannot be identified", "Geräte mit gleicher Adresse können nicht erkannt werden",
            "les appareils de même adresse ne peuvent pas être identifiés",
            "los aparatos con la misma dirección no se pueden identificar"}},
    {2104, {"check the studio number", "Studionummer prüfen", "vérifier le numéro de studio",
            "compruebe el número de estudio"}},
    {2105, {"check the address range", "Adressbereich prüfen", "vérifier la plage d'adresses",
            "compruebe el rango de direcciones"}},
    {2106, {"check the cable connection", "Kabelverbindung prüfen", "vérifier le câble de connexion",
            "compruebe la conexión del cable"}},
    {2107, {"version", "Version", "version", "versión"}},
    {2108, {"charge error", "Ladefehler", "erreur de charge", "error de carga"}},
    {2109, {"switch unit off", "Gerät ausschalten", "éteindre l'appareil", "apague el aparato"}},
    {2110, {"approx.", "ca.", "env.", "aprox."}},
    {2111, {"cool - break", "Abkühl - Pause", "refroidissement - pause", "enfriamiento - pausa"}},
    {2112, {"do not switch off", "nicht ausschalten", "ne pas éteindre", "no apagar"}},
    {2113, {"flash duration", "Blitzdauer", "durée d'éclair", "duración del destello"}},
    {2114, {"asymmetrie", "Asymmetrie", "asymétrie", "asimetría"}},
    {2115, {"limit of variation", "Variationsgrenze", "limite de variation", "límite de variación"}},
    {2116, {">3stops", "> 3 Bl.", ">3 diaph.", "> 3 diafragmas"}},
    {2117, {"inactive on slow", "inaktiv bei langsam", "inactif si lent", "inactivo si lento"}},
    {2118, {"min", "min", "min", "mín"}},
    {2119, {"charge error - service mode", "Ladefehler - Servicemodus", "erreur de charge - mode service",
            "error de carga - modo servicio"}},
    {2120, {" charge error ", " Ladefehler ", " erreur de charge ", " error de carga "}},
    {2121, {" thermo - service mode ", " Thermo - Servicemodus ", " thermo - mode service ",
            " termo - modo servicio "}},
    {2122, {" thermo ", " Thermo ", " thermo ", " termo "}},
    {2123, {"suggested settings", "empfohlene Einstellungen", "réglages suggérés", "ajustes sugeridos"}},
    {2124, {"status", "Status", "état", "estado"}},
    {2125, {"t01 max. preset", "t01 max. Vorgabe", "t01 max. préréglé", "t01 máx. predefinido"}},
    {2126, {"     ---", "     ---", "     ---", "     ---"}},
    {2127, {"main light", "Hauptlicht", "lumière principale", "luz principal"}},
    {2128, {"fill-in light", "Aufhelllicht", "lumière de débouchage", "luz de relleno"}},
    {2129, {"hair light", "Haarlicht", "lumière des cheveux", "luz de pelo"}},
    {2130, {"effect light", "Effektlicht", "lumière d'effet", "luz de efecto"}},
    {2131, {"side light left", "Seitenlicht links", "lumière latérale gauche", "luz lateral izquierda"}},
    {2132, {"side light right", "Seitenlicht rechts", "lumière latérale droite", "luz lateral derecha"}},
    {2133, {"accent light left", "Akzentlicht links", "lumière d'accent gauche", "luz de acento izquierda"}},
    {2134, {"accent light right", "Akzentlicht rechts", "lumière d'accent droite", "luz de acento derecha"}},
    {2135, {"backlight", "Gegenlicht", "contre-jour", "contraluz"}},
    {2136, {"background light", "Hintergrundlicht", "lumière de fond", "luz de fondo"}},
    {2137, {"graze light left", "Streiflicht links", "lumière rasante gauche", "luz rasante izquierda"}},
    {2138, {"graze light right", "Streiflicht rechts", "lumière rasante droite", "luz rasante derecha"}},
    {2139, {"front light", "Frontlicht", "lumière de face", "luz frontal"}},
    {2140, {"top light", "Oberlicht", "lumière zénithale", "luz cenital"}},
    {2141, {"base light", "Grundlicht", "lumière de base", "luz base"}},
    {2142, {"spotlight", "Spotlicht", "spot", "foco"}},
    {2143, {"area light", "Flächenlicht", "boîte à lumière", "caja de luz"}},
    {2144, {"striplight", "Striplicht", "boîte à lumière étroite", "caja de luz estrecha"}},
    {2145, {"rimlight left", "Kantenlicht links", "lumière de contour gauche", "luz de contorno izquierda"}},
    {2146, {"rimlight right", "Kantenlicht rechts", "lumière de contour droite", "luz de contorno derecha"}},
    {2147, {"rfs", "rfs", "rfs", "rfs"}},
    {2148, {"Photocell with reduced sensitivity", "Fotozelle mit reduzierter Empfindlichkeit",
            "Cellule à sensibilité réduite", "Fotocélula con sensibilidad reducida"}},
    {2200, {"energy range over 4 stops", "Energiebereich über 4 Blenden", "plage d'énergie sur plus de 4 diaphragmes",
            "rango de energía de más de 4 diafragmas"}},
    {2201, {"distributor - vesk/Ombrisk:", "Vertretung - vesk/Ombrisk:", "agent - vesk/Ombrisk:",
            "distribudor - vesk/Ombrisk:"}},
    {2202, {"time delay between triggering and flash", "Verzögerung zwischen Auslösung und Blitz",
            "retard entre le déclenchement et l'éclair", "retardo entre el disparo y el destello"}},
    {2203, {"distribution", "Verteilung", "distribution", "distribución"}},
    {2204, {"fast recycling", "schnelles Laden", "recyclage rapide", "reciclaje rápido"}},
    {2205, {"low brightness ready signal", "Bereitschaftsanzeige mit geringer Helligkeit",
            "signal de disponibilité à faible luminosité", "señal de disponibilidad de bajo brillo"}},
    {2206, {"high sensitivity photocell", "Fotozelle mit hoher Empfindlichkeit", "cellule haute sensibilité",
            "fotocélula de alta sensibilidad"}},
    {2207, {"color temperature", "Farbtemperatur", "température de couleur", "temperatura de color"}},
    {2208, {"optimum", "Optimum", "optimum", "óptimo"}},
    {2209, {"St", "St", "St", "St"}},
    {2210, {"ready buzzer", "Bereitschaftssummer", "bip de disponibilité", "aviso acústico"}},
    {2211, {"power display max. 9.0", "Leistungsanzeige max. 9.0", "affichage puissance max. 9.0",
            "aviso de potentica max. 9.0"}},
    {2212, {"power display speed max. 10", "Leistungsanzeige Geschwindigkeit max. 10",
            "affichage puissance vitesse max. 10", "indicación de potencia velocidad max. 10"}},
    {2213, {"Volume", "Lautstärke", "Volume", "Volumen"}},
    {2214, {"mode", "Modus", "mode", "modo"}},
    {2215, {"off", "aus", "off", "off"}},
    {2216, {"low", "niedrig", "faible", "bajo"}},
    {2217, {"medium", "mittel", "moyen", "medio"}},
    {2218, {"high", "hoch", "fort", "alto"}},
    {2219, {"standard", "Standard", "standard", "estándar"}},
    {2220, {"address specific", "adressspezifisch", "spécifique à l'adresse", "específico de la dirección"}},
    {2221, {"brightness of the display", "Helligkeit der Anzeige", "luminosité de l'affichage",
            "brillo de la pantalla"}},
    {2222, {"low", "niedrig", "faible", "bajo"}},
    {2223, {"medium", "mittel", "moyenne", "medio"}},
    {2224, {"high", "hoch", "forte", "alto"}},
    {2225, {"ambient", "Umgebung", "ambiante", "ambiente"}},
    {2226, {"active", "aktiv", "actif", "activo"}},
    {2227, {"wait %i", "%i x warten", "attendre %i", "esperar %i"}},
    {2229, {"no. alternating pow. packs", "Anz. wechselnde Generatoren", "nb. générateurs alternés",
            "n.º de generadores alternos"}},
    {2230, {"strobo", "Strobo", "strobo", "estrobo"}},
    {2231, {"speed", "Geschwindigkeit", "vitesse", "velocidad"}},
    {2232, {"user", "Benutzer", "utilisateur", "usuario"}},
    {2233, {"Help colour temperature", "Hilfe Farbtemperatur", "Aide température de couleur",
            "Ayuda temperatura de color"}},
    {2234, {"Leave the optimal colour temperature or selective manipulation the same, in intervals of +/- 200K.\n"
            "The colour temperature correction range is max. -400K and +800K.",
            "Die optimale Farbtemperatur beibehalten oder gezielt verändern, in Schritten von +/- 200K.\n"
            "Der Korrekturbereich der Farbtemperatur beträgt max. -400K und +800K.",
            "Conserver la température de couleur optimale ou la modifier de façon sélective, par pas de +/- 200K.\n"
            "La plage de correction de la température de couleur est de max. -400K et +800K.",
            "Mantener la temperatura de color óptima o modificarla de forma selectiva, en intervalos de +/- 200K.\n"
            "El rango de corrección de la temperatura de color es de máx. -400K y +800K."}},
    {2235, {"cool - break", "Abkühl - Pause", "refroidissement - pause", "enfriamiento - pausa"}},
    {2236, {"sec", "Sek", "sec", "sec"}},
    {2237, {"Alternating release (ping-pong). The number of units in use is entered here (max. 4 power packs). "
            "Each of these units is then assigned another start position. Only one of the units in use will "
            "trigger at each synchronisation signal whilst all the others are waiting.",
            "Wechselauslösung (Ping-Pong). Hier wird die Anzahl der eingesetzten Geräte eingegeben "
            "(max. 4 Generatoren). Jedem dieser Geräte wird dann eine andere Startposition zugewiesen. Bei jedem "
            "Synchronsignal löst nur eines der eingesetzten Geräte aus, während alle anderen warten.",
            "Déclenchement alterné (ping-pong). Le nombre d'appareils utilisés est saisi ici (max. 4 générateurs). "
            "Chacun de ces appareils reçoit alors une autre position de départ. À chaque signal de synchronisation, "
            "un seul des appareils utilisés se déclenche, tandis que tous les autres attendent.",
            "Disparo alterno (ping-pong). Aquí se introduce el número de aparatos utilizados (máx. 4 generadores). "
            "A cada uno de estos aparatos se le asigna entonces otra posición de inicio. En cada señal de "
            "sincronización solo dispara uno de los aparatos utilizados, mientras todos los demás esperan."}},
    {2239, {"alternate", "Wechsel", "alterné", "alterno"}},
};
// clang-format on

// The lookup below searches by number, so the rows must stay in order.
constexpr bool RowsAscending()
{
    for (std::size_t i = 1; i < std::size(kTexts); ++i) {
        if (kTexts[i - 1].id >= kTexts[i].id)
            return false;
    }
    return true;
}
static_assert(RowsAscending(), "text rows must be sorted by number");
static_assert(std::size(kTexts) == 182, "every language block holds 182 texts");

// Every number of this range reads the same generic text.
constexpr int kFirstPlaceholder = 152;
constexpr int kLastPlaceholder = 200;

}  // namespace

const char* LookupText(int id)
{
    if (id >= kFirstPlaceholder && id <= kLastPlaceholder)
        return "string";
    if (id < kFirstEnglish)
        return nullptr;
    const int language = (id - kFirstEnglish) / kLanguageStep;
    if (language >= kLanguages)
        return nullptr;
    const int english = id - language * kLanguageStep;
    const TextRow* row = std::lower_bound(std::begin(kTexts), std::end(kTexts), english,
                                          [](const TextRow& r, int n) { return r.id < n; });
    if (row == std::end(kTexts) || row->id != english)
        return nullptr;
    return row->text[language];
}

wxString GetString(int id)
{
    if (const char* text = LookupText(id))
        return wxString::FromUTF8(text);
    return wxString::Format("string %d", id);
}
