// Program entry. Until the table window exists the program is the host alone, on port 7772.

#include "host/serverform.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TServer server;
    try {
        server.startListening();
    } catch (const ESockException& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("Tilvaro host listening on port %d\n", server.port());
    std::fflush(stdout);
    return app.exec();
}
