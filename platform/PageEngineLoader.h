#pragma once
#include <QString>

class PageEngine;

// The web engine, loaded on first use from the plugin acctprep_webview (searched for in the
// application's library paths, the program's own directory first). Null when it cannot be
// loaded; error then says why. Later calls give the same answer without trying again.
PageEngine *LoadPageEngine(QString *error = nullptr);
