#include "jobs/JobFactory.h"

#include <new>

#include "jobs/CParallelSearchThread.h"
#include "jobs/CProgramThread.h"
#include "jobs/CSearchThread.h"
#include "jobs/RunSettings.h"

CSearchThread* JobFactory::NewSearch(const RunSettings& settings) {
    return NewSearch(settings.m_bParallelSearch, settings.m_bFastSearch);
}

CSearchThread* JobFactory::NewSearch(bool parallel, bool fast) {
    const RatePlan::Order order = fast ? RatePlan::Order::Likeliest : RatePlan::Order::Fixed;
    if (parallel) {
        return new (std::nothrow) CParallelSearchThread(order);
    }
    return new (std::nothrow) CSearchThread(order);
}

CProgramThread* JobFactory::NewConnection(const RunSettings& settings) {
    return new (std::nothrow) CProgramThread(settings);
}
