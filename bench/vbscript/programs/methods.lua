local Counter = {}
Counter.__index = Counter
function Counter.new() return setmetatable({total = 0}, Counter) end
function Counter:add(n) self.total = self.total + n end
function Counter:getTotal() return self.total end
local c = Counter.new()
for i = 1, 1000000 do
  c:add(i)
end
result = c:getTotal()
