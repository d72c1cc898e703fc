#include "jobs/JobFactory.h"

#include <new>

#include "jobs/CParallelSearchThread.h"
#include "jobs/CProgramThread.h"
#include "jobs/CSearchThread.h"
#include "jobs/RunSettings.h"

CSearchThread* JobFactory::NewSearch(const RunSettings& settings) {
    const RatePlan::Order order =
        settings.m_bFastSearch ? RatePlan::Order::Likeliest : RatePlan::Order::Fixed;
    if (settings.m_bParallelSearch) {
        return new (std::nothrow) CParallelSearchThread(order);
    }
    return new (std::nothrow) CSearchThread(order);
}

CProgramThread* JobFactory::NewConnection(const RunSettings& settings) {
    return new (std::nothrow) CProgramThread(settings);
}
