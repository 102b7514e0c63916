#pragma once

#include "sim/Router.h"
#include "sim/SimEnvironment.h"

namespace qovsim {

// The tweets of a market area or of a location, newest first:
//   GET /wxdata/tweets_dma/DMA.js?numTweets=N&tweetId=ID&key=..
//   GET /wxdata/tweets_loc/KEY:TYPE.js?numTweets=N&tweetId=ID&key=..
// At most N (25 at most and by default) of the tweets posted up to "now" about the area's first gazetteer place
// (or the location), only those older than tweet ID when one is given. Tweets come at repeatable moments (a few
// an hour) and talk about the weather of their moment; their ids grow with their time. An unknown area or
// location, or an ID that is not a number, answers the service's error record.
//   POST /wxdata/tweet_flag/get.js with the form fields "tweetid", "uuid" and "key": {"status": "ok"}; without
// a tweet id the service's error record.
void addTweetRoutes(Router& router, const SimEnvironment& environment);

}  // namespace qovsim
