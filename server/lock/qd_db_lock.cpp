#include "server/lock/qd_db_lock.h"

CQDDBLock::CQDDBLock(const char* pastaDados, platform::Ticker& relogio, std::uint64_t prazoMs)
    : CZTArqMarca(relogio, prazoMs), m_strPasta(pastaDados) {}

CQDDBLock::~CQDDBLock() { Release(); }

std::int32_t CQDDBLock::Acquire() { return CZTArqMarca::Acquire(m_strPasta, kNumeroMarca); }
