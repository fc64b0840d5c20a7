#include "platform/locale.h"

#include <cstdlib>
#include <string>

namespace tessera::platform {

namespace {

struct LocaleLanguage {
  std::string_view name;  // language, or language_COUNTRY
  std::uint16_t id;
};

// Languages alone stand for their main country and come after it.
constexpr LocaleLanguage kLanguages[] = {
    {"ar_SA", 1025},  {"ar", 1025},    {"bg_BG", 1026}, {"bg", 1026},    {"ca_ES", 1027},
    {"ca", 1027},     {"zh_TW", 1028}, {"zh_HK", 3076}, {"zh_MO", 5124}, {"zh_SG", 4100},
    {"zh_CN", 2052},  {"zh", 2052},    {"cs_CZ", 1029}, {"cs", 1029},    {"da_DK", 1030},
    {"da", 1030},     {"de_AT", 3079}, {"de_CH", 2055}, {"de_LU", 4103}, {"de_DE", 1031},
    {"de", 1031},     {"el_GR", 1032}, {"el", 1032},    {"en_GB", 2057}, {"en_AU", 3081},
    {"en_CA", 4105},  {"en_NZ", 5129}, {"en_IE", 6153}, {"en_ZA", 7177}, {"en_IN", 16393},
    {"en_SG", 18441}, {"en_US", 1033}, {"en", 1033},    {"es_MX", 2058}, {"es_AR", 11274},
    {"es_ES", 3082},  {"es", 3082},    {"fi_FI", 1035}, {"fi", 1035},    {"fr_BE", 2060},
    {"fr_CA", 3084},  {"fr_CH", 4108}, {"fr_FR", 1036}, {"fr", 1036},    {"he_IL", 1037},
    {"he", 1037},     {"hu_HU", 1038}, {"hu", 1038},    {"is_IS", 1039}, {"is", 1039},
    {"it_CH", 2064},  {"it_IT", 1040}, {"it", 1040},    {"ja_JP", 1041}, {"ja", 1041},
    {"ko_KR", 1042},  {"ko", 1042},    {"nl_BE", 2067}, {"nl_NL", 1043}, {"nl", 1043},
    {"nb_NO", 1044},  {"nb", 1044},    {"nn_NO", 2068}, {"nn", 2068},    {"no_NO", 1044},
    {"pl_PL", 1045},  {"pl", 1045},    {"pt_BR", 1046}, {"pt_PT", 2070}, {"pt", 2070},
    {"ro_RO", 1048},  {"ro", 1048},    {"ru_RU", 1049}, {"ru", 1049},    {"hr_HR", 1050},
    {"hr", 1050},     {"sk_SK", 1051}, {"sk", 1051},    {"sv_FI", 2077}, {"sv_SE", 1053},
    {"sv", 1053},     {"th_TH", 1054}, {"th", 1054},    {"tr_TR", 1055}, {"tr", 1055},
    {"id_ID", 1057},  {"id", 1057},    {"uk_UA", 1058}, {"uk", 1058},    {"sl_SI", 1060},
    {"sl", 1060},     {"et_EE", 1061}, {"et", 1061},    {"lv_LV", 1062}, {"lv", 1062},
    {"lt_LT", 1063},  {"lt", 1063},    {"vi_VN", 1066}, {"vi", 1066},    {"hi_IN", 1081},
    {"hi", 1081},     {"ms_MY", 1086}, {"ms", 1086},    {"sr_RS", 9242}, {"sr", 9242},
};

}  // namespace

std::uint16_t LanguageIdOfLocale(std::string_view locale) {
  // language[_COUNTRY][.codeset][@modifier]; a '-' is taken as the '_'.
  locale = locale.substr(0, locale.find_first_of(".@"));
  std::string name(locale);
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  const std::size_t separator = name.find('_');
  if (separator == std::string::npos || separator == 0) {
    for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  } else {
    for (std::size_t i = 0; i < name.size(); ++i) {
      char& c = name[i];
      if (i < separator && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (i > separator && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
  }
  for (const LocaleLanguage& entry : kLanguages) {
    if (entry.name == name) return entry.id;
  }
  // A country this table does not know: the language's main country.
  if (separator != std::string::npos && separator > 0) {
    const std::string_view language = std::string_view(name).substr(0, separator);
    for (const LocaleLanguage& entry : kLanguages) {
      if (entry.name == language) return entry.id;
    }
  }
  return 0;
}

std::string_view LocaleOfLanguageId(std::uint16_t id) {
  for (const LocaleLanguage& entry : kLanguages) {
    if (entry.id == id) return entry.name;
  }
  return {};
}

std::uint16_t UserUiLanguage() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return LanguageIdOfLocale(value);
  }
  return 0;
}

}  // namespace tessera::platform
