#pragma once
// The handler rows of each top-level menu group (main/HandlerTable.h).

#include "main/HandlerTable.h"

extern const std::span<const HandlerRow> SystemHandlers;
extern const std::span<const HandlerRow> ManagementHandlers;
extern const std::span<const HandlerRow> Layer2Handlers;
extern const std::span<const HandlerRow> QosHandlers;
extern const std::span<const HandlerRow> AclHandlers;
extern const std::span<const HandlerRow> SecurityHandlers;
extern const std::span<const HandlerRow> NetworkApplicationHandlers;
extern const std::span<const HandlerRow> OamHandlers;
extern const std::span<const HandlerRow> MonitoringHandlers;
extern const std::span<const HandlerRow> HelpHandlers;
extern const std::span<const HandlerRow> Layer3Handlers;
extern const std::span<const HandlerRow> WithoutItemHandlers; // bound to no menu item
