#pragma once

#include "Database.h"
#include "ListingGenerator.h"

#include <string>
#include <vector>

// Inserts generated listings through one prepared statement (seeding writes many thousands).
class ListingWriter {
public:
    ListingWriter(Connection &connection, std::string officeId);
    ~ListingWriter();
    ListingWriter(const ListingWriter &) = delete;
    ListingWriter &operator=(const ListingWriter &) = delete;

    // Returns the new listing's id.
    std::string insert(const ListingGenerator::Listing &listing, const std::string &createdBy,
                       const std::vector<std::string> &images);

private:
    Connection &m_connection;
    std::string m_officeId;
    Statement m_statement;
    std::int64_t m_nextTracking;
};
