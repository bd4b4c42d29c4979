#include "platform/httpget.h"

#include "platform/embeddedmodule.h"

#include <map>

HttpClient* makeHttpClient(QObject* parent, const QString& resource, QString* why)
{
    // A module is loaded once: each load maps a new copy.
    static std::map<QString, decltype(&tilvaroMakeHttpClient)> loaded;
    auto found = loaded.find(resource);
    if (found == loaded.end()) {
        void* entry = embeddedModuleSymbol(resource, TILVARO_HTTP_CLIENT_ENTRY, why);
        if (!entry)
            return nullptr;
        found = loaded.emplace(resource, reinterpret_cast<decltype(&tilvaroMakeHttpClient)>(entry)).first;
    }
    return found->second(parent);
}
