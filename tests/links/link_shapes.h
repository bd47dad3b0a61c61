#pragma once
// The five address shapes, assembled from their pieces in the test's own words, so that a stored
// address can be checked against the rule it was made by.
#include <string>

namespace shapes {

// Shape 1, up to the sort value.
inline std::string TaobaoSearch(const std::string& host, const std::string& pid, const std::string& sort) {
  return "http://" + host + "/search?pid=" + pid + "&sort=" + sort;
}

// Shape 2.
inline std::string TaobaoChannel(const std::string& host, const std::string& path, const std::string& pid,
                                 const std::string& event) {
  return "http://" + host + path + "?pid=" + pid + "&eventid=" + event;
}

// Shape 3: the target host unchanged, its path given already encoded.
inline std::string LinkTech(const std::string& click_host, const std::string& merchant, const std::string& affiliate,
                            const std::string& target_host, const std::string& encoded_path) {
  return "http://" + click_host + "/?m=" + merchant + "&a=" + affiliate + "&l=99999&l_cd1=0&l_cd2=1&tu=" +
         "http%3A%2F%2F" + target_host + encoded_path;
}

// Shape 4: the target address not encoded.
inline std::string DangdangUnion(const std::string& union_host, const std::string& union_id,
                                 const std::string& target_host, const std::string& target_path) {
  return "http://" + union_host + "/transfer/transfer.aspx?from=" + union_id + "&backurl=" + "http://" + target_host +
         target_path;
}

// Shape 5.
inline std::string Chanet(const std::string& click_host, const std::string& affiliate, const std::string& link) {
  return "http://" + click_host + "/click.cgi?a=" + affiliate + "&d=" + link + "&u=&e=";
}

// The same shapes with this project's hosts and codes written out.
namespace project {

inline std::string TaobaoSearch(const std::string& sort) {
  return shapes::TaobaoSearch("s8.taobao.com", "mm_40615293_0_0", sort);
}
inline std::string TaobaoChannel(const std::string& path, const std::string& event) {
  return shapes::TaobaoChannel("pindao.huoban.taobao.com", path, "mm_40615293_0_0", event);
}
inline std::string LinkTech(const std::string& merchant, const std::string& target_host,
                            const std::string& encoded_path) {
  return shapes::LinkTech("click.linktech.cn", merchant, "A207351946", target_host, encoded_path);
}
inline std::string DangdangUnion(const std::string& target_host, const std::string& target_path) {
  return shapes::DangdangUnion("union.dangdang.com", "P-519604", target_host, target_path);
}
inline std::string Chanet(const std::string& link) { return shapes::Chanet("count.chanet.com.cn", "604725", link); }

}  // namespace project
}  // namespace shapes
