#include "platform/httpget.h"

#include "platform/embeddedmodule.h"

HttpClient* makeHttpClient(QObject* parent, const QString& resource, QString* why)
{
    void* entry = embeddedModuleSymbol(resource, TILVARO_HTTP_CLIENT_ENTRY, why);
    return entry ? reinterpret_cast<decltype(&tilvaroMakeHttpClient)>(entry)(parent) : nullptr;
}
