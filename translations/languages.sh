# The languages the programs speak besides English, each with its catalog
# translations/brinevane_LANG.ts. Sourced by the scripts; UserLanguage and the build list
# the same.
BRINEVANE_LANGUAGES=(de fr es pt_BR zh_CN ja)
