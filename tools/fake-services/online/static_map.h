#pragma once
// GET /1.x/ of the static map service: a PNG street map drawn for the request, showing in its corner the
// centre (ll), the zoom (z) and the layers (l) it was asked for, with a flag where pt puts it. Sizes above
// 650 x 450 and unknown layers are answered 400 with the service's small XML error.
#include <string>

namespace kvilo::fake {

struct MapQuery {
    std::string ll, size, z, l, pt; // as received
};

struct MapAnswer {
    int status = 200;
    std::string contentType;
    std::string body;
};

MapAnswer AnswerStaticMap(const MapQuery& query);

// The service's error answer: status 400, <error><status>400</status><message>...</message></error>.
MapAnswer MapError(const std::string& message);

} // namespace kvilo::fake
