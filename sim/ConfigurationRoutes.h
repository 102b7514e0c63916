#pragma once

#include "sim/Router.h"

namespace qovsim {

// The remote application configurations:
//   GET /wxdata/mobile/configuration/APPID.js?locale=..&key=..
// "common" holds the social switches ("swagger": "killall", "killcompose"); every other id holds the
// application's categories: "siteStats" ("killall"), "latest" ("ios", "app", "forceupg"), "inseason" ("url",
// "icon"), "extraads" ("forecast") and "diag" ("autorate", "userMessage", "daysUntilPrompt", "usesUntilPrompt",
// "eventsUntilPrompt"). Switches are texts such as "false", as the service writes them; "latest"."app" is the
// bundle's own version, so no upgrade is offered. The social switches are "false" until set with
//   POST /admin/configuration?killall=true|false&killcompose=true|false   (GET answers their state)
void addConfigurationRoutes(Router& router);

}  // namespace qovsim
