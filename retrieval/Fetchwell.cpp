// The exports of the component library Fetchwell: its two classes, WebSource
// and SessionSummary, their class objects and their registration.

#include "interfaces/ClassIds.h"
#include "platform/ComponentServer.h"
#include "retrieval/SessionSummary.h"
#include "retrieval/WebSource.h"

namespace {

const gb::ComponentServer& Server() {
    static const gb::ComponentServer server(
        {
            .appName = "Fetchwell",
            .appId = gb::Guid::Literal("{8C201613-040F-424A-A08C-A83FF0AA20A4}"),
            .typeLibrary = gb::Guid::Literal("{BE7F7611-AE9A-46EE-9E4A-2FBE3F0E9770}"),
            .classes =
                {
                    {{CLSID_WebSource, &gb::CreateObject<gb::retrieval::WebSource>},
                     "WebSource Class",
                     "Fetchwell.WebSource"},
                    {{CLSID_SessionSummary, &gb::CreateObject<gb::retrieval::SessionSummary>},
                     "SessionSummary Class",
                     "Fetchwell.SessionSummary"},
                },
            .category = std::nullopt,
        },
        &server);
    return server;
}

}  // namespace

GB_COMPONENT_SERVER_EXPORTS(Server())
