#pragma once

#include <string>

// The signed-in user a request acts for.
struct Caller {
    std::string userId;
    std::string officeId; // empty when the user has no office yet
    std::string role;     // "officeMan" or "employee"
    std::string fname;
    std::string lname;
    int status = 0;

    bool isManager() const { return role == "officeMan"; }
};
