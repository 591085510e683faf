#include "ListingWriter.h"

#include "Clock.h"
#include "SearchColumns.h"

#include <nlohmann/json.hpp>

ListingWriter::ListingWriter(Connection &connection, std::string officeId)
    : m_connection(connection)
    , m_officeId(std::move(officeId))
    , m_statement(connection.prepare(
          "INSERT INTO property_files(id, office_id, tracking_id, deal_type, property_type, status, "
          "deal_status, "
          "system_file, just_owner_access, shared, created_by, file_date_ms, area_id, attrs, images, "
          "latitude, longitude, "
          "created_at, updated_at, " +
          SearchColumns::names() + ") VALUES(?, ?, ?, ?, ?, ?, ?, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, " +
          SearchColumns::placeholders() + ")"))
    , m_nextTracking(
          connection.scalarInt("SELECT next_tracking_id FROM offices WHERE id = ?", {m_officeId}, 1001)) {}

ListingWriter::~ListingWriter() {
    try {
        m_connection.prepare("UPDATE offices SET next_tracking_id = ? WHERE id = ?")
            .bind(1, m_nextTracking)
            .bind(2, m_officeId)
            .run();
    } catch (...) {
    }
}

std::string ListingWriter::insert(const ListingGenerator::Listing &listing, const std::string &createdBy,
                                  const std::vector<std::string> &images) {
    const std::string id = Ids::newId();
    // Registration time doubles as creation time so that "newest first" lists look lived-in.
    const std::string created = Clock::isoTime(listing.fileDateMs);
    m_statement.reset();
    m_statement.bind(1, id)
        .bind(2, m_officeId)
        .bind(3, m_nextTracking++)
        .bind(4, listing.dealType)
        .bind(5, listing.propertyType)
        .bind(6, listing.status);
    m_statement.bindTextOrNull(7, listing.dealStatus);
    m_statement.bind(8, listing.hidden ? 1 : 0);
    if (listing.shared)
        m_statement.bind(9, 1);
    else
        m_statement.bindNull(9);
    m_statement.bindTextOrNull(10, createdBy);
    m_statement.bind(11, listing.fileDateMs).bind(12, listing.areaId).bind(13, listing.attrs);
    m_statement.bind(14, images.empty() ? std::string("[]") : nlohmann::json(images).dump());
    if (listing.hasPosition)
        m_statement.bind(15, listing.latitude).bind(16, listing.longitude);
    else
        m_statement.bindNull(15).bindNull(16);
    m_statement.bind(17, created).bind(18, created);
    SearchColumns::bind(m_statement, 19, nlohmann::json::parse(listing.attrs));
    m_statement.run();
    return id;
}
